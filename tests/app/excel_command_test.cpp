#include <QDate>
#include <QFile>

#include "window_fixture.hpp"

namespace vezu {
namespace {

class ExcelCommand : public WindowFixture {
protected:
    void load(int model, const char* listing) {
        writeConfig("[CONF]\r\nIndic=" + std::to_string(model) + "\r\n");
        start();
        if (listing != nullptr) {
            openListing(fixture(listing));
        }
    }
    QString target(const char* name) const { return home_.path() + "/" + name; }
    QString suggested(const QString& name) const {
        return documents_ + "/Korbane/Arquivos/" + name;
    }
    // A workbook is a zip archive.
    static bool isWorkbook(const QString& path) {
        return bytesOf(path.toStdString()).starts_with("PK\x03\x04");
    }
};

TEST_F(ExcelCommand, Kr10SavesUnderTheChosenNameAndOpensTheWorkbook) {
    struct Case {
        const char* chosen;
        const char* written;
    };
    // A name without an extension gets ".xlsx"; any other is used as given.
    const Case cases[] = {{"pesagem", "pesagem.xlsx"}, {"pesagem.xls", "pesagem.xls"}};
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        load(0, "kr10-three.txt");
        ui_.answers.push_back(true);
        ui_.saveAnswers.push_back(target(c.chosen));
        princ().ExpotExcel->trigger();

        EXPECT_EQ(ui_.questions, std::vector<QString>{"Deseja exportar o arquivo atual ?"});
        EXPECT_EQ(ui_.saveStartNames, std::vector<QString>{suggested("Pesagem_LOTE01")});
        EXPECT_TRUE(ui_.errors.empty());
        EXPECT_TRUE(isWorkbook(target(c.written))) << c.chosen;
        EXPECT_EQ(ui_.opened, std::vector<QString>{target(c.written)});
    }
}

TEST_F(ExcelCommand, Kr20SuggestsTodaysDateAndEveryShowingStartsFromIt) {
    fs_.shortDateFormat = "dd/MM/yyyy";
    load(1, "kr20-two-lots.txt");
    const QString today =
        suggested("Pesagem_" + QDate::currentDate().toString(QStringLiteral("dd_MM_yyyy")));
    ui_.answers = {true, true};
    ui_.saveAnswers = {target("primeira.xlsx"), target("segunda")};
    princ().ExpotExcel->trigger();
    princ().ExpotExcel->trigger();

    EXPECT_EQ(ui_.questions, (std::vector<QString>{"Deseja exportar os arquivos ?",
                                                   "Deseja exportar os arquivos ?"}));
    EXPECT_EQ(ui_.saveStartNames, (std::vector<QString>{today, today}));
    EXPECT_TRUE(isWorkbook(target("primeira.xlsx")));
    EXPECT_TRUE(isWorkbook(target("segunda.xlsx")));
    EXPECT_EQ(ui_.opened, (std::vector<QString>{target("primeira.xlsx"), target("segunda.xlsx")}));
}

TEST_F(ExcelCommand, EndsQuietlyWithoutDataAnOkOrAName) {
    struct Case {
        int model;
        const char* listing; // nothing loaded when null
        std::optional<bool> answer;
        std::size_t saveDialogs;
    };
    const Case cases[] = {
        {0, nullptr, std::nullopt, 0},   {1, nullptr, std::nullopt, 0},
        {0, "kr10-three.txt", false, 0}, {1, "kr20-two-lots.txt", false, 0},
        {0, "kr10-three.txt", true, 1},  {1, "kr20-two-lots.txt", true, 1},
    };
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        load(c.model, c.listing);
        if (c.answer) {
            ui_.answers.push_back(*c.answer);
        }
        if (c.saveDialogs > 0) {
            ui_.saveAnswers.push_back(std::nullopt);
        }
        princ().ExpotExcel->trigger();

        const std::string label = std::to_string(c.model) + (c.listing ? c.listing : "");
        EXPECT_EQ(ui_.questions.size(), c.answer ? 1u : 0u) << label;
        EXPECT_EQ(ui_.saveStartNames.size(), c.saveDialogs) << label;
        EXPECT_TRUE(ui_.errors.empty()) << label;
        EXPECT_TRUE(ui_.opened.empty()) << label;
        EXPECT_TRUE(QDir(home_.path()).entryList({"*.xls*"}, QDir::Files).isEmpty()) << label;
        EXPECT_TRUE(QDir(suggested("")).isEmpty()) << label;
    }
}

TEST_F(ExcelCommand, AFailedSaveIsReportedAndNothingOpens) {
    load(0, "kr10-three.txt");
    ui_.answers.push_back(true);
    ui_.saveAnswers.push_back(target("no-such-folder/pesagem"));
    princ().ExpotExcel->trigger();

    ASSERT_EQ(ui_.errors.size(), 1u);
    EXPECT_FALSE(ui_.errors[0].isEmpty());
    EXPECT_TRUE(ui_.opened.empty());
    EXPECT_FALSE(QFile::exists(target("no-such-folder/pesagem.xlsx")));
}

} // namespace
} // namespace vezu
