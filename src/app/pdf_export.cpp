#include "app/pdf_export.hpp"

#include <QFileInfo>

#include "app/report_dialogs.hpp"
#include "app/user_interaction.hpp"
#include "base/error.hpp"
#include "export/pdf_writer.hpp"

namespace vezu {

QString withPdfExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pdf") : path;
}

bool PdfExport::run(const PreparedPages& pages, std::size_t currentPage) {
    if (!dialogs_.editPdfOptions(settings_)) {
        return false;
    }
    return saveAndWrite(pages, currentPage);
}

bool PdfExport::runQuick(const PreparedPages& pages, std::size_t currentPage) {
    return saveAndWrite(pages, currentPage);
}

bool PdfExport::saveAndWrite(const PreparedPages& pages, std::size_t currentPage) {
    const auto chosen = ui_.saveFile(QString::fromStdString(settings_.fileName),
                                     QStringLiteral("Adobe PDF file (*.pdf)"));
    if (!chosen) {
        return false;
    }
    const QString path = withPdfExtension(*chosen);
    try {
        writePdf(pages, settings_, currentPage, path.toStdString());
    } catch (const Error& error) {
        dialogs_.showReportError(QString::fromUtf8(error.what()));
        return false;
    }
    if (settings_.openAfterExport) {
        ui_.shellOpen(path);
    }
    return true;
}

} // namespace vezu
