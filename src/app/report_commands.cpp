#include "app/report_commands.hpp"

#include <QDate>

#include "app/report_dialogs.hpp"
#include "app/user_interaction.hpp"
#include "export/weighing_layouts.hpp"

namespace vezu {

ReportCommands::ReportCommands(WeighingStore& store, UserInteraction& ui, ReportDialogs& dialogs)
    : store_(store), ui_(ui), dialogs_(dialogs), pdfExport_(reports_.frxPDFExport1, ui, dialogs) {}

void ReportCommands::setFormatSettings(const FormatSettings& fs) {
    fs_ = fs;
    reports_.setFormatSettings(fs);
}

std::string ReportCommands::layoutFile(const QString& camCon) const {
    return camCon.toStdString() + std::string(kKr20LayoutFile);
}

namespace {

// The lot of the page shown; none when no lot page is shown.
Table* shownLot(WeighingStore& store, int activePage) {
    const int lot = activePage + 1;
    return lot >= 1 && lot <= store.C() ? &store.lot(lot) : nullptr;
}

} // namespace

void ReportCommands::ImprimirExecute(int Modelo, int activePage, const QString& camCon) {
    if (Modelo == 0) {
        if (!store_.hasKr10Data()) {
            return;
        }
        Report& report = reports_.setUpKr10(store_);
        store_.CDS1().last();
        dialogs_.showPreview(report, pdfExport_);
    }
    if (Modelo == 1) {
        Table* lot = shownLot(store_, activePage);
        if (!store_.hasKr20Data() || lot == nullptr) {
            return;
        }
        Report& report = reports_.setUpKr20(*lot, layoutFile(camCon), ReportOutput::Print);
        lot->last();
        dialogs_.showPreview(report, pdfExport_);
    }
}

void ReportCommands::PDFExecute(int Modelo, int activePage, const QString& camCon) {
    if (Modelo == 0) {
        if (!ui_.ask(QString::fromUtf8(kExportQuestion)) || !store_.hasKr10Data()) {
            return;
        }
        reports_.frxPDFExport1.fileName = kr10PdfName(store_);
        prepareAndExport(reports_.setUpKr10(store_));
        store_.CDS1().last();
    }
    if (Modelo == 1) {
        Table* lot = shownLot(store_, activePage);
        if (!store_.hasKr20Data() || lot == nullptr || !ui_.ask(QString::fromUtf8(kExportQuestion))) {
            return;
        }
        const QString today = QDate::currentDate().toString(QString::fromStdString(fs_.shortDateFormat));
        reports_.frxPDFExport1.fileName = kr20PdfName(today.toStdString());
        prepareAndExport(reports_.setUpKr20(*lot, layoutFile(camCon), ReportOutput::Pdf));
        lot->last();
    }
}

void ReportCommands::prepareAndExport(Report& report) {
    if (!report.prepare()) {
        // The command goes on with the pages prepared so far.
        dialogs_.showReportError(QString::fromStdString(report.errorReport()));
    }
    pdfExport_.run(report.preparedPages());
}

} // namespace vezu
