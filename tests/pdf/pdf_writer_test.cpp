#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/error.hpp"
#include "pdf/pdf_writer.hpp"
#include "pdf/weighing_reports.hpp"
#include "report/report_error.hpp"
#include "report/sample_layout.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

std::string run(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    ::pclose(pipe);
    return output;
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PdfWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-pdf-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        FormatSettings fs;
        fs.decimalSeparator = ",";
        fs.thousandSeparator = ".";
        fs.currencyString = "R$";
        fs.currencyFormat = 2;
        reports.setFormatSettings(fs);
    }
    void TearDown() override { fs::remove_all(folder); }

    // A KR-20 report of n animals, with the built-in layout.
    const PreparedPages& prepare(int n) {
        lot = test::lotWith(n);
        lot->first();
        reports.frxDBDataset1.bind(*lot);
        reports.frxReport2.setVariable("New Variable1", "'ARQUIVO: TESTE'");
        EXPECT_TRUE(reports.frxReport2.prepare());
        return reports.frxReport2.preparedPages();
    }
    std::string path(const char* name) { return (folder / name).string(); }

    fs::path folder;
    WeighingReports reports;
    std::unique_ptr<Table> lot;
    PdfExportSettings settings;
};

TEST_F(PdfWriterTest, WritesEveryPageWithTheDocumentInformation) {
    writePdf(prepare(100), settings, 0, path("r.pdf"));
    const std::string info = run("pdfinfo " + path("r.pdf"));
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Author:          Korbane Vezu\n"), std::string::npos);
    EXPECT_NE(info.find("Subject:         Korbane Vezu PDF export\n"), std::string::npos);
    EXPECT_NE(info.find("Encrypted:       no\n"), std::string::npos);
    EXPECT_NE(info.find("Page size:       595.276 x 841.89 pts (A4)"), std::string::npos);
    EXPECT_EQ(info.find("Title:"), std::string::npos);
    EXPECT_NE(info.find("Producer:        \n"), std::string::npos); // not the library's name

    const std::string text = run("pdftotext -layout " + path("r.pdf") + " -");
    for (const char* expected :
         {"RELATÓRIO DE PESAGENS", "ARQUIVO: TESTE", "Página: 1 de 3", "Página: 3 de 3",
          "R$ 850,50", "A100", "Final do arquivo", "CAMPO 3:"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    // Content uncompressed, the picture as JPEG.
    const std::string bytes = read(folder / "r.pdf");
    EXPECT_EQ(bytes.find("/FlateDecode"), std::string::npos);
    EXPECT_NE(bytes.find("(Final do arquivo) Tj"), std::string::npos);
    EXPECT_NE(bytes.find("/DCTDecode"), std::string::npos);
}

TEST_F(PdfWriterTest, WritesOnlyTheChosenPages) {
    settings.range = PageRangeKind::Pages;
    settings.pages = "1,3-9";
    writePdf(prepare(100), settings, 0, path("r.pdf"));
    EXPECT_NE(run("pdfinfo " + path("r.pdf")).find("Pages:           2\n"), std::string::npos);
    const std::string text = run("pdftotext " + path("r.pdf") + " -");
    EXPECT_NE(text.find("Página: 3 de 3"), std::string::npos);
    EXPECT_EQ(text.find("Página: 2 de 3"), std::string::npos);

    settings.range = PageRangeKind::Current;
    writePdf(prepare(100), settings, 1, path("r.pdf"));
    EXPECT_NE(run("pdftotext " + path("r.pdf") + " -").find("Página: 2 de 3"), std::string::npos);
}

TEST_F(PdfWriterTest, SettingsReachTheDocument) {
    settings.title = "Pesagem de março";
    settings.keywords = "gado";
    settings.creator = "Korbane Vezu 4.2";
    settings.producer = "Korbane";
    settings.ownerPassword = "dono";
    settings.userPassword = "leitor";
    settings.allowCopy = false;
    settings.embeddedFonts = true;
    settings.compressed = true;
    settings.hideToolbar = true;
    writePdf(prepare(3), settings, 0, path("r.pdf"));
    EXPECT_NE(run("pdfinfo " + path("r.pdf")).find("Incorrect password"), std::string::npos);
    const std::string info = run("pdfinfo -upw leitor " + path("r.pdf"));
    EXPECT_NE(info.find("Title:           Pesagem de março\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Keywords:        gado\n"), std::string::npos);
    EXPECT_NE(info.find("Creator:         Korbane Vezu 4.2\n"), std::string::npos);
    EXPECT_NE(info.find("Producer:        Korbane\n"), std::string::npos);
    EXPECT_NE(info.find("Encrypted:       yes (print:yes copy:no change:yes addNotes:yes"),
              std::string::npos);
    EXPECT_NE(run("pdffonts -upw leitor " + path("r.pdf")).find("LiberationSans"),
              std::string::npos);
    EXPECT_NE(run("pdftotext -upw leitor " + path("r.pdf") + " -").find("Final do arquivo"),
              std::string::npos);
    EXPECT_NE(read(folder / "r.pdf").find("/HideToolbar true"), std::string::npos);
}

TEST_F(PdfWriterTest, RefusesEqualPasswordsWithoutTouchingTheFile) {
    settings.ownerPassword = settings.userPassword = "9735";
    EXPECT_THROW(
        {
            try {
                writePdf(prepare(1), settings, 0, path("r.pdf"));
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "The owner password and the user password must differ.");
                throw;
            }
        },
        Error);
    EXPECT_FALSE(fs::exists(folder / "r.pdf"));
}

TEST_F(PdfWriterTest, ReplacesAnExistingFileAndReportsOneItCannotCreate) {
    { std::ofstream(folder / "r.pdf") << "old"; }
    writePdf(prepare(1), settings, 0, path("r.pdf"));
    EXPECT_TRUE(read(folder / "r.pdf").starts_with("%PDF-"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()),
              1); // no temporary left

    const std::string missing = (folder / "no-such-folder" / "r.pdf").string();
    try {
        writePdf(prepare(1), settings, 0, missing);
        FAIL() << "no error";
    } catch (const ReportError& error) {
        const std::string expected =
            "The following error(s) have occured:\nCannot create file \"" + missing + "\". ";
        EXPECT_TRUE(std::string(error.what()).starts_with(expected)) << error.what();
        EXPECT_GT(std::string(error.what()).size(), expected.size()); // the system's reason follows
    }
}

// Nothing that failed passes as success: no file, and the user is told why.
TEST_F(PdfWriterTest, RangeWithoutAnyPageWritesNoFile) {
    struct Case {
        int records; // -1: no page at all
        PageRangeKind range;
        const char* pages;
        const char* error;
    };
    for (const Case& c : {
             Case{-1, PageRangeKind::All, "",
                  "O relatório não tem nenhuma página; nenhum arquivo foi gravado."},
             Case{-1, PageRangeKind::Pages, "1",
                  "O relatório não tem nenhuma página; nenhum arquivo foi gravado."},
             Case{1, PageRangeKind::Pages, "500",
                  "Nenhuma página do relatório está no intervalo \"500\" (o relatório tem 1 "
                  "página); nenhum "
                  "arquivo foi gravado."},
             Case{100, PageRangeKind::Pages, "4-9,12",
                  "Nenhuma página do relatório está no intervalo \"4-9,12\" (o relatório tem 3 "
                  "páginas); nenhum "
                  "arquivo foi gravado."},
         }) {
        { std::ofstream(folder / "r.pdf") << "old"; }
        settings.range = c.range;
        settings.pages = c.pages;
        const PreparedPages none;
        try {
            writePdf(c.records < 0 ? none : prepare(c.records), settings, 0, path("r.pdf"));
            ADD_FAILURE() << c.pages << ": reported success";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
        EXPECT_EQ(read(folder / "r.pdf"), "old") << c.pages;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }
}

TEST_F(PdfWriterTest, DocumentInformationKeepsEveryCharacter) {
    settings.title = "Pesagem € Ł março";
    settings.keywords = "Łódź; “gado”";
    settings.creator = "Korbane Vezu • 4.2";
    settings.producer = "Produção ©";
    settings.author = "Korbane (Vezu) \\ ok";
    writePdf(prepare(1), settings, 0, path("r.pdf"));
    const std::string info = run("pdfinfo " + path("r.pdf"));
    for (const char* line :
         {"Title:           Pesagem € Ł março\n", "Keywords:        Łódź; “gado”\n",
          "Creator:         Korbane Vezu • 4.2\n", "Producer:        Produção ©\n",
          "Author:          Korbane (Vezu) \\ ok\n",
          "Subject:         Korbane Vezu PDF export\n"}) {
        EXPECT_NE(info.find(line), std::string::npos) << line << info;
    }
}

TEST_F(PdfWriterTest, UntickedPermissionsTakeEffectWithoutAnyPassword) {
    settings.allowPrint = false;
    settings.allowCopy = false;
    writePdf(prepare(1), settings, 0, path("r.pdf"));
    const std::string info = run("pdfinfo " + path("r.pdf"));
    EXPECT_NE(info.find("Encrypted:       yes (print:no copy:no change:yes addNotes:yes"),
              std::string::npos)
        << info;
    EXPECT_NE(run("pdftotext " + path("r.pdf") + " -").find("Final do arquivo"), std::string::npos)
        << "opens without a password";
}

} // namespace
} // namespace vezu
