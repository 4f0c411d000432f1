#include "report_windows/qt_report_dialogs.hpp"

#include <QMessageBox>

#include "report_windows/pdf_export_dialog.hpp"
#include "report_windows/report_preview.hpp"

namespace vezu {

bool QtReportDialogs::editPdfOptions(PdfExportSettings& settings) {
    PdfExportDialog dialog(settings, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings = dialog.settings();
    return true;
}

void QtReportDialogs::showReportError(const std::string& text) {
    QMessageBox::critical(parent_, QStringLiteral("Error"), QString::fromStdString(text));
}

void QtReportDialogs::showPreview(Report& report, PdfExport& pdfExport) {
    ReportPreview preview(report, pdfExport, *this, parent_);
    preview.exec();
}

} // namespace vezu
