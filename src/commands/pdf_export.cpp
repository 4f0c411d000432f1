#include "commands/pdf_export.hpp"

#include "base/error.hpp"
#include "commands/command_texts.hpp"
#include "commands/file_names.hpp"
#include "commands/report_dialogs.hpp"
#include "commands/user_interaction.hpp"
#include "pdf/pdf_writer.hpp"

namespace vezu {

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
    // Nothing to write is said before the user picks a name for it.
    try {
        pagesToWrite(pages, settings_, currentPage);
    } catch (const Error& error) {
        dialogs_.showReportError(error.what());
        return false;
    }
    const auto chosen = ui_.saveFile(settings_.fileName, kPdfFilter);
    if (!chosen) {
        return false;
    }
    const std::string path = namesAsGiven_ ? *chosen : withExtension(*chosen, ".pdf");
    try {
        writePdf(pages, settings_, currentPage, path);
    } catch (const Error& error) {
        dialogs_.showReportError(error.what());
        return false;
    }
    if (settings_.openAfterExport) {
        ui_.shellOpen(path);
    }
    return true;
}

} // namespace vezu
