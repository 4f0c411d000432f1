// The command handlers of the main window.
#include <QCoreApplication>

#include "app/frm_config.hpp"
#include "app/frm_princ.hpp"
#include "app/frm_sobre.hpp"
#include "app/help_file.hpp"
#include "app/parse_observer.hpp"
#include "app/texts.hpp"
#include "app/user_interaction.hpp"
#include "export/csv_writer.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "import/listing_file.hpp"

namespace vezu {

// One listing is shown at a time, whichever model it came from. Data of
// either model is only thrown away after the user's OK; pages that hold no
// record (a listing without rows) go without a question.
bool FrmPrinc::discardBeforeLoading() {
    if (store_.hasKr10Data() || store_.hasKr20Data()) {
        if (!ui_.ask(QString::fromUtf8(kDiscardQuestion))) {
            return false;
        }
    }
    pages_.removeAll();
    store_.discardKr10();
    store_.discardKr20();
    return true;
}

void FrmPrinc::PendriveExecute() {
    if (Modelo != 0 && Modelo != 1) {
        return;
    }
    if (!discardBeforeLoading()) {
        return;
    }
    const auto chosen = ui_.openFile(pendriveFolder_, QString::fromUtf8(kListingFilter));
    if (!chosen) {
        return;
    }
    ensureListingExists(chosen->toStdString());
    Caminho = *chosen;
    if (Modelo == 0) {
        Action1Execute();
    }
    if (Modelo == 1) {
        Action2Execute();
    }
}

void FrmPrinc::Action1Execute() {
    runParser([this](ListingObserver& observer) {
        parseKr10Listing(Caminho.toStdString(), store_, fs_, observer);
    });
}

void FrmPrinc::Action2Execute() {
    runParser([this](ListingObserver& observer) {
        parseKr20Listing(Caminho.toStdString(), store_, observer);
    });
}

void FrmPrinc::runParser(const std::function<void(ListingObserver&)>& parse) {
    ParseObserver observer(*ProgressBar1, pages_, store_, ui_, [this] { return closeRequested_; });
    parsing_ = true;
    try {
        parse(observer);
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
    const auto chooseFile = [this]() -> std::optional<std::string> {
        const auto chosen = ui_.saveFile(csvFileName_, QString::fromUtf8(kCsvFilter));
        if (!chosen) {
            return std::nullopt;
        }
        csvFileName_ = *chosen;
        return withCsvExtension(chosen->toStdString());
    };
    if (Modelo == 0) {
        if (!store_.hasKr10Data() || !ui_.ask(QString::fromUtf8(kExportKr10Question))) {
            return;
        }
        if (const auto path = chooseFile()) {
            writeKr10Csv(store_.CDS1(), *path, fs_);
            store_.CDS1().last();
            ui_.shellOpen(QString::fromStdString(*path));
        }
    }
    if (Modelo == 1) {
        if (!store_.hasKr20Data() || !ui_.ask(QString::fromUtf8(kExportKr20Question))) {
            return;
        }
        if (const auto path = chooseFile()) {
            writeKr20Csv(store_, *path, fs_);
            store_.lastOfEveryLot();
            ui_.shellOpen(QString::fromStdString(*path));
        }
    }
}

// The help page ships with the program; a missing one is not reported.
void FrmPrinc::HelpExecute() {
    const QString help = findHelpFile(QCoreApplication::applicationDirPath());
    if (!help.isEmpty()) {
        ui_.shellOpen(help);
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

void FrmPrinc::FecharExecute() { close(); }

} // namespace vezu
