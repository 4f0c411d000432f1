#pragma once

#include <QPointer>
#include <QWidget>

#include "commands/report_dialogs.hpp"

namespace vezu {

// The real report windows: options dialog, error box, preview.
class QtReportDialogs : public ReportDialogs {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    bool editPdfOptions(PdfExportSettings& settings) override;
    void showReportError(const std::string& text) override;
    void showPreview(Report& report, PdfExport& pdfExport) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace vezu
