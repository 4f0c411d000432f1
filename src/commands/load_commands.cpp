// Loading: the discard question and step, the file checks, the parsers.
#include "capture/capture_texts.hpp"
#include "commands/command_texts.hpp"
#include "commands/report_dialogs.hpp"
#include "commands/user_interaction.hpp"
#include "commands/weighing_commands.hpp"
#include "export/short_date.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "import/listing_file.hpp"

namespace vezu {

WeighingCommands::WeighingCommands(WeighingStore& store, UserInteraction& ui,
                                   ReportDialogs& dialogs, ListingView& view)
    : store_(store), ui_(ui), dialogs_(dialogs), view_(view),
      pdfExport_(reports_.frxPDFExport1, ui, dialogs), today_(localToday) {}

void WeighingCommands::setFormatSettings(const FormatSettings& fs) {
    fs_ = fs;
    reports_.setFormatSettings(fs);
}

void WeighingCommands::setNamesAsGiven(bool asGiven) {
    namesAsGiven_ = asGiven;
    pdfExport_.setNamesAsGiven(asGiven);
}

// One listing is shown at a time, whichever model it came from. Data of
// either model is only thrown away after the user's OK; pages that hold no
// record (a listing without rows) go without a question.
bool WeighingCommands::discardBeforeLoading() {
    if (store_.hasKr10Data() || store_.hasKr20Data()) {
        if (!ui_.ask(kDiscardQuestion)) {
            return false;
        }
    }
    view_.removePages();
    store_.discardKr10();
    store_.discardKr20();
    return true;
}

CommandResult WeighingCommands::PendriveExecute() {
    CommandResult result = CommandResult::Cancelled;
    if (Modelo == 0) {
        result = load([this] { Action1Execute(); });
    }
    if (Modelo == 1) {
        result = load([this] { Action2Execute(); });
    }
    return result;
}

// The discard comes before the file is chosen: cancelling the dialog after
// OK leaves the window without data.
CommandResult WeighingCommands::load(const std::function<void()>& parser) {
    if (!discardBeforeLoading()) {
        return CommandResult::Cancelled;
    }
    const auto chosen = ui_.openFile(CamCon + kPendriveFolder, kListingFilter);
    if (!chosen) {
        return CommandResult::Cancelled;
    }
    ensureListingExists(*chosen);
    Caminho = *chosen;
    parser();
    return CommandResult::Done;
}

CommandResult WeighingCommands::ConectarExecute(Capture& capture, const std::string& portName,
                                                const std::string& captureFile) {
    if (Modelo != 0 && Modelo != 1) {
        return CommandResult::Cancelled;
    }
    if (!discardBeforeLoading()) {
        return CommandResult::Cancelled;
    }
    const bool opened = capture.run(
        portName, captureFile.empty() ? CamCon + std::string(kCaptureFileName) : captureFile,
        [this](const std::string& file) {
            Caminho = file;
            if (Modelo == 0) {
                Action1Execute();
            }
            if (Modelo == 1) {
                Action2Execute();
            }
        });
    if (!opened) {
        ui_.showMessage(cannotOpenPortText(capture.openFailureReason()));
        return CommandResult::Cancelled;
    }
    return CommandResult::Done;
}

void WeighingCommands::Action1Execute() {
    view_.parse(
        [this](ListingObserver& observer) { parseKr10Listing(Caminho, store_, fs_, observer); });
}

void WeighingCommands::Action2Execute() {
    view_.parse([this](ListingObserver& observer) { parseKr20Listing(Caminho, store_, observer); });
}

std::string WeighingCommands::todayText() const {
    return shortDateText(today_(), fs_);
}

} // namespace vezu
