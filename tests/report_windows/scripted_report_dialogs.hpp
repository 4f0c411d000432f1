#pragma once

#include <functional>
#include <vector>

#include <QApplication>

#include "commands/report_dialogs.hpp"
#include "report/report.hpp"

namespace vezu {

inline QApplication& reportTestApp() {
    static int argc = 1;
    static char name[] = "report-window-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// Answers the options dialog from a script and records the report windows
// a command opened; a preview prepares its report as the real one does.
class ScriptedReportDialogs : public ReportDialogs {
public:
    std::vector<bool> optionAnswers; // taken from the front
    std::function<void(PdfExportSettings&)> editOptions;
    std::vector<QString> errors;
    std::vector<Report*> previews;
    int optionDialogs = 0;

    bool editPdfOptions(PdfExportSettings& settings) override {
        ++optionDialogs;
        const bool ok = optionAnswers.empty() || optionAnswers.front();
        if (!optionAnswers.empty()) {
            optionAnswers.erase(optionAnswers.begin());
        }
        if (ok && editOptions) {
            editOptions(settings);
        }
        return ok;
    }
    void showReportError(const std::string& text) override {
        errors.push_back(QString::fromStdString(text));
    }
    void showPreview(Report& report, PdfExport&) override {
        previews.push_back(&report);
        if (!report.prepare()) {
            showReportError(report.errorReport());
        }
    }
};

} // namespace vezu
