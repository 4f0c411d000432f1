#pragma once

#include <map>
#include <string>

#include "commands/report_dialogs.hpp"
#include "commands/user_interaction.hpp"

namespace vezu {

// The user of vezu-convert: every question answered OK, the open dialog
// with the listing, each save dialog with the name given for its kind of
// file (told apart by the dialog's filter), nothing opened, no beep.
class NonInteractiveInteraction : public UserInteraction {
public:
    std::string listing;
    // Filter -> the file name to answer with; a filter not listed cancels.
    std::map<std::string, std::string> saveNames;

    bool ask(const std::string&) override { return true; }
    bool confirm(const std::string&) override { return true; }
    // Errors and messages are thrown, so the command stops where the window
    // would have shown them and the caller prints them.
    void showError(const std::string& text) override;
    void showMessage(const std::string& text) override;
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return listing;
    }
    std::optional<std::string> saveFile(const std::string& fileName,
                                        const std::string& filter) override;
    void shellOpen(const std::string&) override {}
    void beep() override {}
    // The text as the program raised it, without the report's full stop.
    void reportError(const std::exception& error) override;
};

// Report windows without a window: options as they stand, errors thrown,
// no preview.
class NonInteractiveReportDialogs : public ReportDialogs {
public:
    bool editPdfOptions(PdfExportSettings&) override { return true; }
    void showReportError(const std::string& text) override;
    void showPreview(Report&, PdfExport&) override {}
};

} // namespace vezu
