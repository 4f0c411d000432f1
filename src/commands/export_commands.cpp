// "CSV" and "Excel": the loaded data as a file, opened afterwards.
#include "commands/command_texts.hpp"
#include "commands/file_names.hpp"
#include "commands/user_interaction.hpp"
#include "commands/weighing_commands.hpp"
#include "export/csv_writer.hpp"
#include "export/sheet_plan.hpp"
#include "export/xlsx_writer.hpp"

namespace vezu {

// SaveDialog2 starts from the name chosen the time before; whatever the
// user typed, the file is a ".csv".
std::optional<std::string> WeighingCommands::chooseCsvFile() {
    const auto chosen = ui_.saveFile(csvFileName_, kCsvFilter);
    if (!chosen) {
        return std::nullopt;
    }
    csvFileName_ = *chosen;
    return namesAsGiven_ ? *chosen : withCsvExtension(*chosen);
}

// Nothing loaded ends silently; then the question, the dialog, the file.
CommandResult WeighingCommands::exportCsv(bool loaded, const char* question,
                                          const std::function<void(const std::string&)>& write) {
    if (!loaded) {
        return CommandResult::NothingToExport;
    }
    if (!ui_.ask(question)) {
        return CommandResult::Cancelled;
    }
    const auto path = chooseCsvFile();
    if (!path) {
        return CommandResult::Cancelled;
    }
    write(*path);
    ui_.shellOpen(*path);
    return CommandResult::Done;
}

CommandResult WeighingCommands::ExportcvsExecute() {
    CommandResult result = CommandResult::NothingToExport;
    if (Modelo == 0) {
        result =
            exportCsv(store_.hasKr10Data(), kExportKr10Question, [this](const std::string& path) {
                writeKr10Csv(store_.CDS1(), path, fs_);
                store_.CDS1().last();
            });
    }
    if (Modelo == 1) {
        result =
            exportCsv(store_.hasKr20Data(), kExportKr20Question, [this](const std::string& path) {
                writeKr20Csv(store_, path, fs_);
                store_.lastOfEveryLot();
            });
    }
    return result;
}

// SaveDialog1 opens in "Arquivos" with the plan's name every time.
CommandResult WeighingCommands::exportWorkbook(bool loaded, const char* question,
                                               const std::function<SheetPlan()>& makePlan) {
    if (!loaded) {
        return CommandResult::NothingToExport;
    }
    if (!ui_.ask(question)) {
        return CommandResult::Cancelled;
    }
    const SheetPlan plan = makePlan();
    const std::string suggested =
        CamCon + kWorkbookFolder + "/" + safeFileName(plan.suggestedFileName);
    const auto chosen = ui_.saveFile(suggested, kWorkbookFilter);
    if (!chosen) {
        return CommandResult::Cancelled;
    }
    const std::string path = namesAsGiven_ ? *chosen : withExtension(*chosen, ".xlsx");
    writeWorkbook(plan, path);
    ui_.shellOpen(path);
    return CommandResult::Done;
}

CommandResult WeighingCommands::ExpotExcelExecute() {
    CommandResult result = CommandResult::NothingToExport;
    if (Modelo == 0) {
        result = exportWorkbook(store_.hasKr10Data(), kExportKr10Question, [this] {
            SheetPlan plan = kr10SheetPlan(store_, fs_);
            store_.CDS1().last();
            return plan;
        });
    }
    if (Modelo == 1) {
        result = exportWorkbook(store_.hasKr20Data(), kExportKr20Question, [this] {
            SheetPlan plan = kr20SheetPlan(store_, fs_, today_());
            store_.lastOfEveryLot();
            return plan;
        });
    }
    return result;
}

} // namespace vezu
