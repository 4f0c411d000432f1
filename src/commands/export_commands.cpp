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

CommandResult WeighingCommands::ExportcvsExecute() {
    CommandResult result = CommandResult::NothingToExport;
    if (Modelo == 0) {
        if (!store_.hasKr10Data()) {
            return CommandResult::NothingToExport;
        }
        if (!ui_.ask(kExportKr10Question)) {
            return CommandResult::Cancelled;
        }
        const auto path = chooseCsvFile();
        if (!path) {
            return CommandResult::Cancelled;
        }
        writeKr10Csv(store_.CDS1(), *path, fs_);
        ui_.shellOpen(*path);
        result = CommandResult::Done;
    }
    if (Modelo == 1) {
        if (!store_.hasKr20Data()) {
            return CommandResult::NothingToExport;
        }
        if (!ui_.ask(kExportKr20Question)) {
            return CommandResult::Cancelled;
        }
        const auto path = chooseCsvFile();
        if (!path) {
            return CommandResult::Cancelled;
        }
        writeKr20Csv(store_, *path, fs_);
        ui_.shellOpen(*path);
        result = CommandResult::Done;
    }
    return result;
}

// SaveDialog1 opens in "Arquivos" with the plan's name every time.
CommandResult WeighingCommands::saveWorkbook(const SheetPlan& plan) {
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
        if (!store_.hasKr10Data()) {
            return CommandResult::NothingToExport;
        }
        if (!ui_.ask(kExportKr10Question)) {
            return CommandResult::Cancelled;
        }
        result = saveWorkbook(kr10SheetPlan(store_, fs_));
    }
    if (Modelo == 1) {
        if (!store_.hasKr20Data()) {
            return CommandResult::NothingToExport;
        }
        if (!ui_.ask(kExportKr20Question)) {
            return CommandResult::Cancelled;
        }
        result = saveWorkbook(kr20SheetPlan(store_, fs_, today_()));
    }
    return result;
}

} // namespace vezu
