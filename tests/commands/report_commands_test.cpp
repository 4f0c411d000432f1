#include "commands_fixture.hpp"
#include "data/store_writer.hpp"
#include "pdf/weighing_layouts.hpp"
#include "report/report_texts.hpp"

namespace vezu {
namespace {

class ReportCommands : public CommandsFixture {
protected:
    std::string variable(Report& report, const char* name) {
        return report.layout().variables.find(name)->value.value_or("<none>");
    }
};

TEST_F(ReportCommands, NothingLoadedMeansNothingHappensButTheKr10PdfQuestion) {
    for (const int model : {0, 1}) {
        commands.Modelo = model;
        EXPECT_EQ(commands.ImprimirExecute(0), CommandResult::NothingToExport);
        ui.answers = {true};
        EXPECT_EQ(commands.PDFExecute(0), CommandResult::NothingToExport);
    }
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Deseja exportar o arquivo atual ?"});
    EXPECT_TRUE(dialogs.previews.empty());
    EXPECT_EQ(dialogs.optionDialogs, 0);
    EXPECT_TRUE(ui.saveStartNames.empty());
}

TEST_F(ReportCommands, Kr10PdfProposesTheListingNameAndAddsTheExtension) {
    load(0, "kr10-three.txt");
    StoreWriter(store).S1() = "LOTE1";
    ui.answers = {true};
    ui.saveAnswers = {path("Pesagem_LOTE1")};
    EXPECT_EQ(commands.PDFExecute(0), CommandResult::Done);
    EXPECT_EQ(ui.saveStartNames, std::vector<std::string>{"Pesagem_LOTE1"});
    EXPECT_TRUE(exists("Pesagem_LOTE1.pdf"));
    EXPECT_EQ(ui.opened, std::vector<std::string>{path("Pesagem_LOTE1.pdf")});
    EXPECT_EQ(variable(commands.reports().frxReport1, "New Variable1")
                  .rfind("'ARQUIVO: LOTE1     DATA: ", 0),
              0u);
}

TEST_F(ReportCommands, ThePdfExtensionIsAddedUnlessTheNameEndsWithIt) {
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {{"LOTE.A", "LOTE.A.pdf"}, {"a.PDF", "a.PDF"}, {"b.pdf", "b.pdf"}};
    load(0, "kr10-three.txt");
    for (const Case& c : cases) {
        ui.answers = {true};
        ui.saveAnswers = {path(c.chosen)};
        commands.PDFExecute(0);
        EXPECT_TRUE(exists(c.written)) << c.chosen;
    }
    EXPECT_EQ(filesIn(), std::size(cases));
}

TEST_F(ReportCommands, CancellingAnyStepWritesNothing) {
    load(0, "kr10-three.txt");
    ui.answers = {false};
    EXPECT_EQ(commands.PDFExecute(0), CommandResult::Cancelled);
    EXPECT_EQ(dialogs.optionDialogs, 0);

    ui.answers = {true};
    dialogs.optionAnswers = {false};
    EXPECT_EQ(commands.PDFExecute(0), CommandResult::Cancelled);
    EXPECT_TRUE(ui.saveStartNames.empty());

    ui.answers = {true};
    ui.saveAnswers = {std::nullopt};
    EXPECT_EQ(commands.PDFExecute(0), CommandResult::Cancelled);
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_EQ(filesIn(), 0u);
}

TEST_F(ReportCommands, Kr20PdfReportsTheLotShownAndNamesTheFileAfterToday) {
    load(1, "kr20-two-lots.txt");
    writeKr20LayoutFileIfMissing(commands.CamCon);
    ui.answers = {true};
    ui.saveAnswers = {path("lote.pdf")};
    commands.PDFExecute(1); // the second page: lot 2
    EXPECT_EQ(ui.saveStartNames, std::vector<std::string>{"Pesagem_04_01_2018"});
    Report& report = commands.reports().frxReport2;
    EXPECT_EQ(variable(report, "New Variable1"),
              "'ARQUIVO: FÊMEAS     DATA: 06/03/18     HORA: 09:05'");
    EXPECT_EQ(variable(report, "New Variable2"),
              "'QUANT: 3     PESO MÉDIO: 310.0     PESO BRUTO: 930.0'");
    EXPECT_TRUE(exists("lote.pdf"));
}

TEST_F(ReportCommands, Kr20PrintShowsThePreviewWithItsOwnQuantityLabel) {
    load(1, "kr20-two-lots.txt");
    writeKr20LayoutFileIfMissing(commands.CamCon);
    EXPECT_EQ(commands.ImprimirExecute(1), CommandResult::Done);
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(variable(*dialogs.previews[0], "New Variable2").rfind("'QUANT.: 3", 0), 0u);
    EXPECT_EQ(dialogs.previews[0]->preparedPages().count(), 1u);
    EXPECT_TRUE(dialogs.errors.empty());
    // No lot page shown: nothing to report.
    EXPECT_EQ(commands.ImprimirExecute(5), CommandResult::NothingToExport);
}

// The window once wrote a PDF without pages here.
TEST_F(ReportCommands, WithoutTheLayoutFileTheBuiltInLayoutIsUsed) {
    load(1, "kr20-two-lots.txt");
    ui.answers = {true};
    ui.saveAnswers = {path("built-in.pdf")};
    commands.PDFExecute(0);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(commands.reports().frxReport2.preparedPages().count(), 1u);
    EXPECT_TRUE(exists("built-in.pdf"));
}

TEST_F(ReportCommands, ALayoutGivenComesBeforeTheDataFoldersFile) {
    load(1, "kr20-two-lots.txt");
    writeKr20LayoutFileIfMissing(commands.CamCon);
    Layout layout = kr20Layout();
    std::get<MemoView>(layout.page->bands[2].objects[0]).dataField = "ANIMAL";
    Report scratch;
    scratch.setLayout(layout);
    scratch.saveToFile(path("broken.fr3"));
    commands.setLayoutFile(path("broken.fr3"));
    ui.answers = {true};
    ui.saveAnswers = {path("x.pdf")};
    commands.PDFExecute(0);
    // A field error is shown and the PDF is still written.
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("frxDBDataset1ID: Field not found: frxDBDataset1.\"ANIMAL\""),
              std::string::npos);
    EXPECT_TRUE(exists("x.pdf"));
}

TEST_F(ReportCommands, SettingsConfirmedInTheDialogStayForLaterExports) {
    load(0, "kr10-three.txt");
    dialogs.editOptions = [](PdfExportSettings& s) { s.openAfterExport = false; };
    ui.answers = {true, true};
    ui.saveAnswers = {path("a.pdf"), path("b.pdf")};
    commands.PDFExecute(0);
    dialogs.editOptions = nullptr;
    commands.PDFExecute(0);
    EXPECT_TRUE(exists("a.pdf") && exists("b.pdf"));
    EXPECT_TRUE(ui.opened.empty());
}

TEST_F(ReportCommands, AFileThatCannotBeCreatedIsReportedAndNotOpened) {
    load(0, "kr10-three.txt");
    ui.answers = {true};
    ui.saveAnswers = {path("missing/x.pdf")};
    EXPECT_EQ(commands.PDFExecute(0), CommandResult::Cancelled);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].starts_with(
        "The following error(s) have occured:\nCannot create file \""));
    EXPECT_TRUE(ui.opened.empty());
}

} // namespace
} // namespace vezu
