// The command handlers of the main window: thin adapters over the command layer.
#include <QCoreApplication>

#include "app/frm_config.hpp"
#include "app/frm_princ.hpp"
#include "app/frm_sobre.hpp"
#include "app/help_file.hpp"
#include "app/parse_observer.hpp"
#include "commands/user_interaction.hpp"

namespace vezu {

void FrmPrinc::PendriveExecute() {
    commands_.PendriveExecute();
}

void FrmPrinc::removePages() {
    pages_.removeAll();
}

void FrmPrinc::parse(const std::function<void(ListingObserver&)>& run) {
    ParseObserver observer(*ProgressBar1, pages_, store_, ui_, [this] { return closeRequested_; });
    parsing_ = true;
    try {
        run(observer);
    } catch (...) {
        finishParse();
        if (closeRequested_) {
            close();
        }
        throw;
    }
    finishParse();
}

// What the parse built stays, whether it ended well or not.
void FrmPrinc::finishParse() {
    parsing_ = false;
    pages_.showNewPages();
}

void FrmPrinc::ExportcvsExecute() {
    commands_.ExportcvsExecute();
}

void FrmPrinc::ExpotExcelExecute() {
    commands_.ExpotExcelExecute();
}

// The report of the KR-10 listing, or of the KR-20 lot whose page is shown.
void FrmPrinc::PDFExecute() {
    commands_.PDFExecute(PageControl1->currentIndex());
}

void FrmPrinc::ImprimirExecute() {
    commands_.ImprimirExecute(PageControl1->currentIndex());
}

// The help page ships with the program; a missing one is not reported.
void FrmPrinc::HelpExecute() {
    const QString help = findHelpFile(QCoreApplication::applicationDirPath());
    if (!help.isEmpty()) {
        ui_.shellOpen(help.toStdString());
    }
}

void FrmPrinc::SobreExecute() {
    if (sobre_ != nullptr) {
        sobre_->exec();
    }
}

void FrmPrinc::ConfigExecute() {
    if (config_ != nullptr) {
        config_->exec();
    }
}

void FrmPrinc::FecharExecute() {
    close();
}

} // namespace vezu
