#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/report_dialogs.hpp"
#include "commands/user_interaction.hpp"
#include "report/report.hpp"

namespace vezu {

// Answers the commands' questions and dialogs from a script and records
// what was asked, shown and opened. An unexpected question fails loudly.
class ScriptedInteraction : public UserInteraction {
public:
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;

    std::vector<std::string> questions;
    std::vector<std::string> errors;
    std::vector<std::string> messages;
    std::vector<std::string> openFolders;
    std::vector<std::string> saveStartNames;
    std::vector<std::string> saveFilters;
    std::vector<std::string> opened;
    int beeps = 0;

    bool ask(const std::string& question) override {
        questions.push_back(question);
        return next(answers, "question");
    }
    bool confirm(const std::string& question) override {
        questions.push_back(question);
        return true;
    }
    void showError(const std::string& text) override { errors.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> openFile(const std::string& folder, const std::string&) override {
        openFolders.push_back(folder);
        return next(openAnswers, "open dialog");
    }
    std::optional<std::string> saveFile(const std::string& fileName,
                                        const std::string& filter) override {
        saveStartNames.push_back(fileName);
        saveFilters.push_back(filter);
        return next(saveAnswers, "save dialog");
    }
    void shellOpen(const std::string& path) override { opened.push_back(path); }
    void beep() override { ++beeps; }

private:
    template <typename T> static T next(std::deque<T>& script, const char* what) {
        if (script.empty()) {
            throw std::logic_error(std::string("unscripted ") + what);
        }
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

// Answers the options dialog from a script and records the report windows
// a command opened; a preview prepares its report as the real one does.
class ScriptedReportDialogs : public ReportDialogs {
public:
    std::deque<bool> optionAnswers; // OK when empty
    std::function<void(PdfExportSettings&)> editOptions;
    std::vector<std::string> errors;
    std::vector<Report*> previews;
    int optionDialogs = 0;

    bool editPdfOptions(PdfExportSettings& settings) override {
        ++optionDialogs;
        const bool ok = optionAnswers.empty() || optionAnswers.front();
        if (!optionAnswers.empty()) {
            optionAnswers.pop_front();
        }
        if (ok && editOptions) {
            editOptions(settings);
        }
        return ok;
    }
    void showReportError(const std::string& text) override { errors.push_back(text); }
    void showPreview(Report& report, PdfExport&) override {
        previews.push_back(&report);
        if (!report.prepare()) {
            showReportError(report.errorReport());
        }
    }
};

} // namespace vezu
