#include <gtest/gtest.h>

#include <QDate>
#include <QTemporaryDir>

#include <filesystem>

#include "app/report_commands.hpp"
#include "data/store_writer.hpp"
#include "export/weighing_layouts.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "report/report_texts.hpp"
#include "scripted_interaction.hpp"
#include "scripted_report_dialogs.hpp"

namespace vezu {
namespace {

class ReportCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        reportTestApp();
        ASSERT_TRUE(folder.isValid());
        camCon = folder.path() + "/";
        fs.decimalSeparator = ",";
        fs.thousandSeparator = ".";
        fs.currencyString = "R$";
        fs.currencyFormat = 2;
        fs.shortDateFormat = "dd/MM/yyyy";
        commands.setFormatSettings(fs);
    }
    void loadKr10() {
        ListingObserver quiet;
        parseKr10Listing(VEZU_FIXTURES "/kr10-three.txt", store, fs, quiet);
    }
    void loadKr20WithLayoutFile() {
        ListingObserver quiet;
        parseKr20Listing(VEZU_FIXTURES "/kr20-two-lots.txt", store, quiet);
        writeKr20LayoutFileIfMissing(camCon.toStdString());
    }
    std::string variable(Report& report, const char* name) {
        return report.layout().variables.find(name)->value.value_or("<none>");
    }
    bool exists(const QString& name) { return std::filesystem::exists((folder.path() + "/" + name).toStdString()); }

    QTemporaryDir folder;
    QString camCon;
    FormatSettings fs;
    WeighingStore store;
    ScriptedInteraction ui;
    ScriptedReportDialogs dialogs;
    ReportCommands commands{store, ui, dialogs};
};

TEST_F(ReportCommandsTest, NothingLoadedMeansNothingHappensButTheKr10PdfQuestion) {
    commands.ImprimirExecute(0, 0, camCon);
    commands.ImprimirExecute(1, 0, camCon);
    ui.answers = {true};
    commands.PDFExecute(0, 0, camCon);
    commands.PDFExecute(1, 0, camCon);
    EXPECT_EQ(ui.questions, std::vector<QString>{"Deseja exportar o arquivo atual ?"});
    EXPECT_TRUE(dialogs.previews.empty());
    EXPECT_EQ(dialogs.optionDialogs, 0);
    EXPECT_TRUE(ui.saveStartNames.empty());
}

TEST_F(ReportCommandsTest, Kr10PdfProposesTheListingNameAndAddsTheExtension) {
    loadKr10();
    StoreWriter(store).S1() = "LOTE1";
    ui.answers = {true};
    ui.saveAnswers = {folder.path() + "/Pesagem_LOTE1"};
    commands.PDFExecute(0, 0, camCon);
    EXPECT_EQ(ui.saveStartNames, std::vector<QString>{"Pesagem_LOTE1"});
    EXPECT_TRUE(exists("Pesagem_LOTE1.pdf"));
    EXPECT_EQ(ui.opened, std::vector<QString>{folder.path() + "/Pesagem_LOTE1.pdf"});
    EXPECT_EQ(variable(commands.reports().frxReport1, "New Variable1").rfind("'ARQUIVO: LOTE1     DATA: ", 0), 0u);
}

TEST_F(ReportCommandsTest, CancellingAnyStepWritesNothing) {
    loadKr10();
    ui.answers = {false};
    commands.PDFExecute(0, 0, camCon);
    EXPECT_EQ(dialogs.optionDialogs, 0);

    ui.answers = {true};
    dialogs.optionAnswers = {false};
    commands.PDFExecute(0, 0, camCon);
    EXPECT_TRUE(ui.saveStartNames.empty());

    ui.answers = {true};
    ui.saveAnswers = {std::nullopt};
    commands.PDFExecute(0, 0, camCon);
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path().toStdString()), {}), 0);
}

TEST_F(ReportCommandsTest, Kr20PdfReportsTheLotShownAndNamesTheFileAfterToday) {
    loadKr20WithLayoutFile();
    ui.answers = {true};
    ui.saveAnswers = {folder.path() + "/lote.pdf"};
    commands.PDFExecute(1, 1, camCon); // the second page: lot 2
    const QString today = QDate::currentDate().toString("dd_MM_yyyy");
    EXPECT_EQ(ui.saveStartNames, std::vector<QString>{"Pesagem_" + today});
    Report& report = commands.reports().frxReport2;
    EXPECT_EQ(variable(report, "New Variable1"), "'ARQUIVO: FÊMEAS     DATA: 06/03/18     HORA: 09:05'");
    EXPECT_EQ(variable(report, "New Variable2"),
              "'QUANT: 3     PESO MÉDIO: 310.0     PESO BRUTO: 930.0'");
    EXPECT_TRUE(exists("lote.pdf"));
}

TEST_F(ReportCommandsTest, Kr20PrintShowsThePreviewWithItsOwnQuantityLabel) {
    loadKr20WithLayoutFile();
    commands.ImprimirExecute(1, 1, camCon);
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(variable(*dialogs.previews[0], "New Variable2").rfind("'QUANT.: 3", 0), 0u);
    EXPECT_EQ(dialogs.previews[0]->preparedPages().count(), 1u);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ReportCommandsTest, MissingLayoutFileGivesAPdfWithoutPages) {
    ListingObserver quiet;
    parseKr20Listing(VEZU_FIXTURES "/kr20-two-lots.txt", store, quiet);
    ui.answers = {true};
    ui.saveAnswers = {folder.path() + "/empty.pdf"};
    commands.PDFExecute(1, 0, camCon);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(exists("empty.pdf"));
}

TEST_F(ReportCommandsTest, SettingsConfirmedInTheDialogStayForLaterExports) {
    loadKr10();
    dialogs.editOptions = [](PdfExportSettings& s) { s.openAfterExport = false; };
    ui.answers = {true, true};
    ui.saveAnswers = {folder.path() + "/a.pdf", folder.path() + "/b.pdf"};
    commands.PDFExecute(0, 0, camCon);
    dialogs.editOptions = nullptr;
    commands.PDFExecute(0, 0, camCon);
    EXPECT_TRUE(exists("a.pdf") && exists("b.pdf"));
    EXPECT_TRUE(ui.opened.empty());
}

TEST_F(ReportCommandsTest, AFileThatCannotBeCreatedIsReportedAndNotOpened) {
    loadKr10();
    ui.answers = {true};
    ui.saveAnswers = {folder.path() + "/missing/x.pdf"};
    commands.PDFExecute(0, 0, camCon);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith("The following error(s) have occured:\nCannot create file \""));
    EXPECT_TRUE(ui.opened.empty());
}

TEST_F(ReportCommandsTest, FieldErrorsAreShownAndThePdfIsStillWritten) {
    ListingObserver quiet;
    parseKr20Listing(VEZU_FIXTURES "/kr20-two-lots.txt", store, quiet);
    Layout layout = kr20Layout();
    std::get<MemoView>(layout.page->bands[2].objects[0]).dataField = "ANIMAL";
    Report scratch;
    scratch.setLayout(layout);
    scratch.saveToFile((camCon + "PDF1.fr3").toStdString());
    ui.answers = {true};
    ui.saveAnswers = {folder.path() + "/x.pdf"};
    commands.PDFExecute(1, 0, camCon);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("frxDBDataset1ID: Field not found: frxDBDataset1.\"ANIMAL\""));
    EXPECT_TRUE(exists("x.pdf"));
}

} // namespace
} // namespace vezu
