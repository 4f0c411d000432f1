#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include <QString>

#include "commands/user_interaction.hpp"

namespace vezu {

// Answers the commands' questions and dialogs from a script and records
// what was asked, shown and opened, as the window's texts. An unexpected
// question fails loudly.
class ScriptedInteraction : public UserInteraction {
public:
    std::deque<bool> answers;
    std::deque<bool> confirmations;
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;

    std::vector<QString> questions;
    std::vector<QString> errors;
    std::vector<QString> messages;
    std::vector<QString> openFolders;
    std::vector<QString> saveStartNames;
    std::vector<QString> opened;
    int beeps = 0;

    bool ask(const std::string& question) override {
        questions.push_back(qt(question));
        return next(answers, "question");
    }
    bool confirm(const std::string& question) override {
        questions.push_back(qt(question));
        return next(confirmations, "confirmation");
    }
    void showError(const std::string& text) override { errors.push_back(qt(text)); }
    void showMessage(const std::string& text) override { messages.push_back(qt(text)); }
    std::optional<std::string> openFile(const std::string& folder, const std::string&) override {
        openFolders.push_back(qt(folder));
        return utf8(next(openAnswers, "open dialog"));
    }
    std::optional<std::string> saveFile(const std::string& fileName, const std::string&) override {
        saveStartNames.push_back(qt(fileName));
        return utf8(next(saveAnswers, "save dialog"));
    }
    void shellOpen(const std::string& path) override { opened.push_back(qt(path)); }
    void beep() override { ++beeps; }

private:
    static QString qt(const std::string& text) { return QString::fromStdString(text); }
    static std::optional<std::string> utf8(const std::optional<QString>& text) {
        if (!text) {
            return std::nullopt;
        }
        return text->toStdString();
    }
    template <typename T> static T next(std::deque<T>& script, const char* what) {
        if (script.empty()) {
            throw std::logic_error(std::string("unscripted ") + what);
        }
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

} // namespace vezu
