#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/format_settings.hpp"
#include "capture/capture.hpp"
#include "commands/listing_view.hpp"
#include "commands/pdf_export.hpp"
#include "data/weighing_store.hpp"
#include "pdf/weighing_reports.hpp"

namespace vezu {

class ReportDialogs;
struct SheetPlan;
class UserInteraction;

// How a command ended, for callers that say so (vezu-convert's exit status).
enum class CommandResult {
    Done,
    // The user cancelled a question or a dialog.
    Cancelled,
    // Nothing loaded to work on: the command ended silently.
    NothingToExport,
};

// Every command that loads or exports weighing data, once, for the window
// and for vezu-convert. Each branches on Modelo with two separate tests,
// first Modelo = 0 (KR-10), then Modelo = 1 (KR-20); any other value takes
// neither. Errors are thrown; the caller reports them.
class WeighingCommands {
public:
    WeighingCommands(WeighingStore& store, UserInteraction& ui, ReportDialogs& dialogs,
                     ListingView& view);

    // State shared by the commands.
    std::int32_t Modelo = 0;
    // The data folder, ending in "/".
    std::string CamCon;
    std::string Caminho;

    void setFormatSettings(const FormatSettings& fs);
    const FormatSettings& formatSettings() const { return fs_; }
    // vezu-convert: saved files keep the chosen name, no extension added.
    void setNamesAsGiven(bool asGiven);
    // The KR-20 report's layout file instead of the data folder's "PDF1.fr3"
    // (and the KR-10 report's instead of the built-in one).
    void setLayoutFile(std::optional<std::string> layout) { layoutFile_ = std::move(layout); }
    // Today, for file names.
    void setToday(std::function<std::chrono::year_month_day()> today) { today_ = std::move(today); }

    // "Abrir pen drive".
    CommandResult PendriveExecute();
    // "Conectar Indicador": the discard question, then the capture, which
    // parses the capture file when it ends.
    CommandResult ConectarExecute(Capture& capture, const std::string& portName,
                                  const std::string& captureFile);
    CommandResult ExportcvsExecute();
    CommandResult ExpotExcelExecute();
    // activePage: index of the page shown; the KR-20 lot is activePage + 1.
    CommandResult PDFExecute(int activePage);
    CommandResult ImprimirExecute(int activePage);

    // The parser of the model, on Caminho (Action1, Action2).
    void Action1Execute();
    void Action2Execute();

    WeighingReports& reports() { return reports_; }
    PdfExport& pdfExport() { return pdfExport_; }

private:
    // Asks before loaded data goes; false when the user keeps it.
    bool discardBeforeLoading();
    CommandResult load(const std::function<void()>& parser);
    std::optional<std::string> chooseCsvFile();
    CommandResult exportCsv(bool loaded, const char* question,
                            const std::function<void(const std::string&)>& write);
    CommandResult exportWorkbook(bool loaded, const char* question,
                                 const std::function<SheetPlan()>& makePlan);
    CommandResult exportReport(Report& report);
    Report* setUpKr20Report(int activePage, ReportOutput output);
    std::string todayText() const;

    WeighingStore& store_;
    UserInteraction& ui_;
    ReportDialogs& dialogs_;
    ListingView& view_;
    FormatSettings fs_;
    WeighingReports reports_;
    PdfExport pdfExport_;
    std::optional<std::string> layoutFile_;
    std::function<std::chrono::year_month_day()> today_;
    std::string csvFileName_;
    bool namesAsGiven_ = false;
};

} // namespace vezu
