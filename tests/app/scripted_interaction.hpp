#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

#include <QString>

#include "app/user_interaction.hpp"

namespace vezu {

// Answers the commands' questions and dialogs from a script and records
// what was asked, shown and opened. An unexpected question fails loudly.
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

    bool ask(const QString& question) override {
        questions.push_back(question);
        return next(answers, "question");
    }
    bool confirm(const QString& question) override {
        questions.push_back(question);
        return next(confirmations, "confirmation");
    }
    void showError(const QString& text) override { errors.push_back(text); }
    void showMessage(const QString& text) override { messages.push_back(text); }
    std::optional<QString> openFile(const QString& folder, const QString&) override {
        openFolders.push_back(folder);
        return next(openAnswers, "open dialog");
    }
    std::optional<QString> saveFile(const QString& fileName, const QString&) override {
        saveStartNames.push_back(fileName);
        return next(saveAnswers, "save dialog");
    }
    void shellOpen(const QString& path) override { opened.push_back(path); }
    void beep() override { ++beeps; }

private:
    template <typename T>
    static T next(std::deque<T>& script, const char* what) {
        if (script.empty()) {
            throw std::logic_error(std::string("unscripted ") + what);
        }
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

} // namespace vezu
