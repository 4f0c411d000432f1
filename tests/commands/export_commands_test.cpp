#include "commands/command_texts.hpp"
#include "commands_fixture.hpp"
#include "data/store_writer.hpp"

namespace vezu {
namespace {

class ExportCommands : public CommandsFixture {
protected:
    static std::vector<std::string> linesOf(const std::string& bytes) {
        std::vector<std::string> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos;
             from = end + 2) {
            lines.push_back(bytes.substr(from, end - from));
        }
        return lines;
    }
    // A workbook is a zip archive.
    bool isWorkbook(const std::string& name) const {
        return bytesOf(path(name)).starts_with("PK\x03\x04");
    }
};

TEST_F(ExportCommands, Kr10CsvGetsItsExtensionAndOpens) {
    load(0, "kr10-three.txt");
    ui.answers.push_back(true);
    ui.saveAnswers.push_back(path("export.txt"));
    EXPECT_EQ(commands.ExportcvsExecute(), CommandResult::Done);

    EXPECT_EQ(ui.questions, std::vector<std::string>{"Deseja exportar o arquivo atual ?"});
    EXPECT_EQ(ui.opened, std::vector<std::string>{path("export.csv")});
    EXPECT_FALSE(exists("export.txt"));
    const auto lines = linesOf(bytesOf(path("export.csv")));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Serial;ID;PESO;");
    EXPECT_EQ(lines[1], "1;BR5500876;395;;;;;");
}

TEST_F(ExportCommands, Kr20CsvWritesEveryLot) {
    load(1, "kr20-two-lots.txt");
    ui.answers.push_back(true);
    ui.saveAnswers.push_back(path("lotes.CSV"));
    commands.ExportcvsExecute();

    EXPECT_EQ(ui.questions, std::vector<std::string>{"Deseja exportar os arquivos ?"});
    const auto lines = linesOf(bytesOf(path("lotes.csv")));
    ASSERT_EQ(lines.size(), 6u);
    // "É" is one CP1252 byte.
    EXPECT_EQ(lines[0], "ANIMAL;PESO;GANHO;VALOR;CAMPO 1;CAMPO 2;CAMPO 3;ARQUIVO;DATA;HORA;"
                        "QUANTIDADE;PESO M\xC9"
                        "DIO;PESO BRUTO;");
    EXPECT_EQ(ui.opened, std::vector<std::string>{path("lotes.csv")});
}

TEST_F(ExportCommands, CsvDialogStartsFromTheNameChosenBefore) {
    load(0, "kr10-three.txt");
    ui.answers = {true, true};
    ui.saveAnswers = {path("primeiro"), std::nullopt};
    commands.ExportcvsExecute();
    EXPECT_EQ(commands.ExportcvsExecute(), CommandResult::Cancelled);
    EXPECT_EQ(ui.saveStartNames, (std::vector<std::string>{"", path("primeiro")}));
    EXPECT_TRUE(exists("primeiro.csv"));
}

TEST_F(ExportCommands, EndQuietlyWithoutDataOrAnOk) {
    struct Case {
        int model;
        const char* listing; // nothing loaded when null
        std::optional<bool> answer;
        std::size_t saveDialogs;
        CommandResult result;
    };
    const Case cases[] = {
        {0, nullptr, std::nullopt, 0, CommandResult::NothingToExport},
        {1, nullptr, std::nullopt, 0, CommandResult::NothingToExport},
        // A KR-10 header without items and KR-20 lots without rows.
        {0, "kr10-header-only.txt", std::nullopt, 0, CommandResult::NothingToExport},
        {1, "kr20-no-lots.txt", std::nullopt, 0, CommandResult::NothingToExport},
        {0, "kr10-three.txt", false, 0, CommandResult::Cancelled},
        {1, "kr20-two-lots.txt", false, 0, CommandResult::Cancelled},
        {0, "kr10-three.txt", true, 1, CommandResult::Cancelled},
        {1, "kr20-two-lots.txt", true, 1, CommandResult::Cancelled},
    };
    using Command = CommandResult (WeighingCommands::*)();
    for (const Command command :
         {&WeighingCommands::ExportcvsExecute, &WeighingCommands::ExpotExcelExecute}) {
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const Case& c = cases[i];
            commands.Modelo = c.model;
            ui.answers.push_back(true);
            ui.openAnswers.push_back(std::nullopt);
            commands.PendriveExecute(); // discards what is loaded
            if (c.listing != nullptr) {
                load(c.model, c.listing);
            }
            ui = ScriptedInteraction();
            if (c.answer) {
                ui.answers.push_back(*c.answer);
            }
            for (std::size_t n = 0; n < c.saveDialogs; ++n) {
                ui.saveAnswers.push_back(std::nullopt);
            }
            EXPECT_EQ((commands.*command)(), c.result) << i;
            EXPECT_EQ(ui.questions.size(), c.answer ? 1u : 0u) << i;
            EXPECT_EQ(ui.saveStartNames.size(), c.saveDialogs) << i;
            EXPECT_TRUE(ui.opened.empty()) << i;
            EXPECT_EQ(filesIn(), 0u) << i;
        }
    }
}

TEST_F(ExportCommands, AFileThatCannotBeWrittenIsThrownAndNotOpened) {
    load(0, "kr10-three.txt");
    ui.answers = {true, true};
    ui.saveAnswers = {path("sem-pasta/x.csv"), path("sem-pasta/pesagem")};
    EXPECT_ANY_THROW(commands.ExportcvsExecute());
    EXPECT_ANY_THROW(commands.ExpotExcelExecute());
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_EQ(filesIn(), 0u);
}

TEST_F(ExportCommands, WorkbookSavesUnderTheChosenNameWithItsExtension) {
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {{"pesagem", "pesagem.xlsx"},
                          {"pesagem.XLSX", "pesagem.XLSX"},
                          // A dot in the name is no extension of its own.
                          {"LOTE.A", "LOTE.A.xlsx"},
                          {"pesagem.xls", "pesagem.xls.xlsx"}};
    load(0, "kr10-three.txt");
    for (const Case& c : cases) {
        ui = ScriptedInteraction();
        ui.answers.push_back(true);
        ui.saveAnswers.push_back(path(c.chosen));
        commands.ExpotExcelExecute();

        EXPECT_EQ(ui.questions, std::vector<std::string>{"Deseja exportar o arquivo atual ?"});
        EXPECT_EQ(ui.saveStartNames, std::vector<std::string>{path("Arquivos/Pesagem_LOTE01")});
        EXPECT_EQ(ui.saveFilters, std::vector<std::string>{kWorkbookFilter});
        EXPECT_TRUE(isWorkbook(c.written)) << c.chosen;
        EXPECT_EQ(ui.opened, std::vector<std::string>{path(c.written)});
    }
}

TEST_F(ExportCommands, Kr20WorkbookSuggestsTodayEveryTime) {
    load(1, "kr20-two-lots.txt");
    ui.answers = {true, true};
    ui.saveAnswers = {path("primeira.xlsx"), path("segunda")};
    commands.ExpotExcelExecute();
    commands.ExpotExcelExecute();

    const std::string today = path("Arquivos/Pesagem_04_01_2018");
    EXPECT_EQ(ui.saveStartNames, (std::vector<std::string>{today, today}));
    EXPECT_TRUE(isWorkbook("primeira.xlsx"));
    EXPECT_TRUE(isWorkbook("segunda.xlsx"));
}

TEST_F(ExportCommands, ProposedNamesHoldNoCharacterAWindowsPenDriveRefuses) {
    load(0, "kr10-three.txt");
    StoreWriter(store).S1() = "A[B]:C*?/\\\"<>|\t";
    ui.answers = {true, true};
    ui.saveAnswers = {std::nullopt, std::nullopt};
    commands.ExpotExcelExecute();
    commands.PDFExecute(0);
    EXPECT_EQ(ui.saveStartNames, (std::vector<std::string>{path("Arquivos/Pesagem_A[B]_C_________"),
                                                           "Pesagem_A[B]_C_________"}));
}

TEST_F(ExportCommands, TodayInFileNamesFollowsTheShortDateFormat) {
    struct Case {
        const char* format;
        const char* proposed;
    };
    const Case cases[] = {{"dd/MM/yyyy", "Pesagem_04_01_2018"},
                          {"d.M.yy", "Pesagem_4.1.18"},
                          {"yyyy-MM-dd", "Pesagem_2018-01-04"}};
    load(1, "kr20-two-lots.txt");
    for (const Case& c : cases) {
        fs.shortDateFormat = c.format;
        commands.setFormatSettings(fs);
        ui = ScriptedInteraction();
        ui.answers = {true, true};
        ui.saveAnswers = {std::nullopt, std::nullopt};
        commands.ExpotExcelExecute();
        commands.PDFExecute(0);
        EXPECT_EQ(ui.saveStartNames,
                  (std::vector<std::string>{path("Arquivos/") + c.proposed, c.proposed}))
            << c.format;
    }
}

} // namespace
} // namespace vezu
