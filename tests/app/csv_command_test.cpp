#include <QFile>

#include "window_fixture.hpp"

namespace vezu {
namespace {

class CsvCommand : public WindowFixture {
protected:
    void load(int model, const char* listing) {
        writeConfig("[CONF]\r\nIndic=" + std::to_string(model) + "\r\n");
        start();
        openListing(fixture(listing));
        ui_.questions.clear();
    }
    QString target(const char* name) const { return home_.path() + "/" + name; }
    static std::vector<std::string> linesOf(const std::string& bytes) {
        std::vector<std::string> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2) {
            lines.push_back(bytes.substr(from, end - from));
        }
        return lines;
    }
};

TEST_F(CsvCommand, Kr10WritesTheFileWithItsExtensionAndOpensIt) {
    load(0, "kr10-three.txt");
    ui_.answers.push_back(true);
    ui_.saveAnswers.push_back(target("export.txt"));
    princ().Exportcvs->trigger();

    EXPECT_EQ(ui_.questions, std::vector<QString>{"Deseja exportar o arquivo atual ?"});
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_EQ(ui_.opened, std::vector<QString>{target("export.csv")});
    EXPECT_FALSE(QFile::exists(target("export.txt")));
    const auto lines = linesOf(bytesOf(target("export.csv").toStdString()));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Serial;ID;PESO;");
    EXPECT_EQ(lines[1], "1;BR5500876;395;;;;;");
}

TEST_F(CsvCommand, Kr20WritesEveryLot) {
    load(1, "kr20-two-lots.txt");
    ui_.answers.push_back(true);
    ui_.saveAnswers.push_back(target("lotes.CSV"));
    princ().Exportcvs->trigger();

    EXPECT_EQ(ui_.questions, std::vector<QString>{"Deseja exportar os arquivos ?"});
    const auto lines = linesOf(bytesOf(target("lotes.csv").toStdString()));
    ASSERT_EQ(lines.size(), 6u);
    // "É" is one CP1252 byte.
    EXPECT_EQ(lines[0], "ANIMAL;PESO;GANHO;VALOR;CAMPO 1;CAMPO 2;CAMPO 3;ARQUIVO;DATA;HORA;"
                        "QUANTIDADE;PESO M\xC9" "DIO;PESO BRUTO;");
    EXPECT_EQ(ui_.opened, std::vector<QString>{target("lotes.csv")});
}

TEST_F(CsvCommand, EndsQuietlyWithoutDataOrAnOk) {
    struct Case {
        int model;
        const char* listing;  // nothing loaded when null
        bool answer;
        std::optional<QString> saveAnswer;
        std::size_t questions;
    };
    const Case cases[] = {
        {0, nullptr, true, std::nullopt, 0},
        {1, nullptr, true, std::nullopt, 0},
        {0, "kr10-three.txt", false, std::nullopt, 1},
        {0, "kr10-three.txt", true, std::nullopt, 1},
        {1, "kr20-two-lots.txt", true, std::nullopt, 1},
    };
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        writeConfig("[CONF]\r\nIndic=" + std::to_string(c.model) + "\r\n");
        start();
        if (c.listing != nullptr) {
            openListing(fixture(c.listing));
        }
        ui_.answers.push_back(c.answer);
        if (c.answer && c.questions > 0) {
            ui_.saveAnswers.push_back(c.saveAnswer);
        }
        princ().Exportcvs->trigger();
        EXPECT_EQ(ui_.questions.size(), c.questions);
        EXPECT_TRUE(ui_.opened.empty());
        EXPECT_TRUE(ui_.errors.empty());
    }
}

TEST_F(CsvCommand, TheDialogStartsFromTheNameChosenBefore) {
    load(0, "kr10-three.txt");
    ui_.answers = {true, true};
    ui_.saveAnswers = {target("primeiro"), std::nullopt};
    princ().Exportcvs->trigger();
    princ().Exportcvs->trigger();
    EXPECT_EQ(ui_.saveStartNames, (std::vector<QString>{"", target("primeiro")}));
    EXPECT_TRUE(QFile::exists(target("primeiro.csv")));
}

TEST_F(CsvCommand, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
    load(0, "kr10-three.txt");
    ui_.answers.push_back(true);
    ui_.saveAnswers.push_back(home_.path() + "/sem-pasta/x.csv");
    princ().Exportcvs->trigger();
    EXPECT_EQ(ui_.errors.size(), 1u);
    EXPECT_TRUE(ui_.opened.empty());
}

} // namespace
} // namespace vezu
