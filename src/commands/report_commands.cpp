// "Imprimir" and "PDF": the report of the KR-10 listing, or of the KR-20 lot
// whose page is shown, in the preview or as a PDF file.
#include "commands/command_texts.hpp"
#include "commands/file_names.hpp"
#include "commands/report_dialogs.hpp"
#include "commands/user_interaction.hpp"
#include "commands/weighing_commands.hpp"
#include "pdf/weighing_pdf.hpp"

namespace vezu {

// The lot of the page shown; none when no lot page is shown.
Report* WeighingCommands::setUpKr20Report(int activePage, ReportOutput output) {
    const int lot = activePage + 1;
    if (lot < 1 || lot > store_.C()) {
        return nullptr;
    }
    return &vezu::setUpKr20Report(reports_, store_.lot(lot), layoutFile_, CamCon, output);
}

CommandResult WeighingCommands::ImprimirExecute(int activePage) {
    CommandResult result = CommandResult::NothingToExport;
    if (Modelo == 0) {
        if (!store_.hasKr10Data()) {
            return CommandResult::NothingToExport;
        }
        Report& report = reports_.setUpKr10(store_);
        store_.CDS1().last();
        dialogs_.showPreview(report, pdfExport_);
        result = CommandResult::Done;
    }
    if (Modelo == 1) {
        Report* report =
            store_.hasKr20Data() ? setUpKr20Report(activePage, ReportOutput::Print) : nullptr;
        if (report == nullptr) {
            return CommandResult::NothingToExport;
        }
        store_.lot(activePage + 1).last();
        dialogs_.showPreview(*report, pdfExport_);
        result = CommandResult::Done;
    }
    return result;
}

CommandResult WeighingCommands::PDFExecute(int activePage) {
    CommandResult result = CommandResult::NothingToExport;
    if (Modelo == 0) {
        if (!ui_.ask(kExportKr10Question)) {
            return CommandResult::Cancelled;
        }
        if (!store_.hasKr10Data()) {
            return CommandResult::NothingToExport;
        }
        reports_.frxPDFExport1.fileName = safeFileName(kr10PdfName(store_));
        if (layoutFile_) {
            reports_.frxReport1.loadFromFile(*layoutFile_);
        }
        result = exportReport(reports_.setUpKr10(store_));
        store_.CDS1().last();
    }
    if (Modelo == 1) {
        const int lot = activePage + 1;
        if (!store_.hasKr20Data() || lot < 1 || lot > store_.C()) {
            return CommandResult::NothingToExport;
        }
        if (!ui_.ask(kExportKr10Question)) {
            return CommandResult::Cancelled;
        }
        reports_.frxPDFExport1.fileName = safeFileName(kr20PdfName(todayText()));
        result = exportReport(*setUpKr20Report(activePage, ReportOutput::Pdf));
        store_.lot(lot).last();
    }
    return result;
}

CommandResult WeighingCommands::exportReport(Report& report) {
    if (!report.prepare()) {
        // The command goes on with the pages prepared so far.
        dialogs_.showReportError(report.errorReport());
    }
    return pdfExport_.run(report.preparedPages()) ? CommandResult::Done : CommandResult::Cancelled;
}

} // namespace vezu
