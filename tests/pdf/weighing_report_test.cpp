#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

#include "data/store_writer.hpp"
#include "import/kr20_parser.hpp"
#include "pdf/report_resources.hpp"
#include "pdf/weighing_layouts.hpp"
#include "pdf/weighing_reports.hpp"
#include "report/layout_file.hpp"
#include "report/page_renderer.hpp"
#include "report/sample_layout.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

// Collects the text drawn, one string per page.
class TextCanvas : public Canvas {
public:
    void beginPage(const Paper&) override { pages.emplace_back(); }
    void endPage() override {}
    FontMetrics metrics(const Font& font) override {
        return {0.905 * font.height, 0.212 * font.height};
    }
    double textWidth(const Font& font, std::string_view text) override {
        return 0.4 * font.height * text.size();
    }
    void drawText(const Font&, double, double, std::string_view text) override {
        pages.back() += std::string(text) + "|";
    }
    void drawLine(double, double, double, double, double, std::uint32_t) override {}
    void drawPicture(const Picture&, const Rect&) override { pages.back() += "<picture>|"; }
    void pushClip(const Rect&) override {}
    void popClip() override {}

    std::vector<std::string> pages;
};

std::vector<std::string> drawAll(const PreparedPages& pages) {
    TextCanvas canvas;
    for (const PreparedPage& page : pages.pages()) {
        renderPage(page, pages.count(), canvas);
    }
    return canvas.pages;
}

FormatSettings brazil() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.currencyString = "R$";
    fs.currencyFormat = 2;
    return fs;
}

class WeighingReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-report-" + std::to_string(::getpid()) + "/");
        fs::create_directories(folder);
        reports.setFormatSettings(brazil());
    }
    void TearDown() override { fs::remove_all(folder); }

    void addKr10(int n) {
        for (int i = 1; i <= n; ++i) {
            store.CDS1().append();
            store.CDS1().setText(kr10::ID, "9820004" + std::to_string(i));
            store.CDS1().setInteger(kr10::PESO, 400 + i);
            store.CDS1().post();
        }
    }
    std::string layoutFile() { return (folder / "PDF1.fr3").string(); }

    fs::path folder;
    WeighingStore store;
    WeighingReports reports;
};

TEST_F(WeighingReportTest, Kr10ReportNumbersItsPagesAndShowsTheLinesOnce) {
    addKr10(46 + 53 + 1);
    StoreWriter(store).S1() = "D'ÁGUA";
    StoreWriter(store).S2() = "05/03/24";
    Report& report = reports.setUpKr10(store);
    ASSERT_TRUE(report.prepare()) << report.errorReport();
    const std::vector<std::string> pages = drawAll(report.preparedPages());
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_NE(pages[n].find("|Página: " + std::to_string(n + 1) + " de 3|"), std::string::npos)
            << n;
        EXPECT_NE(pages[n].find("IDENTIFICAÇÃO:     PESO:|"), std::string::npos);
        EXPECT_EQ(pages[n].find("RELATÓRIO DE PESAGENS") != std::string::npos, n == 0);
        EXPECT_EQ(pages[n].find("<picture>") != std::string::npos, n == 0);
    }
    EXPECT_NE(pages[0].find("ARQUIVO: D'ÁGUA     DATA: 05/03/24     HORA: |"), std::string::npos);
    EXPECT_NE(pages[0].find("|982000446|446|"), std::string::npos); // row 46 on page 1
    EXPECT_NE(pages[1].find("|982000447|447|"), std::string::npos);
    EXPECT_EQ(store.CDS1().recNo(), 99u);
}

TEST_F(WeighingReportTest, Kr20ReportOfTheLotWithItsLinesAndMoney) {
    ListingObserver quiet;
    parseKr20Listing(VEZU_FIXTURES "/kr20-two-lots.txt", store, quiet);
    ASSERT_TRUE(writeKr20LayoutFileIfMissing(folder.string() + "/"));
    Table& lot = store.lot(2); // its rows carry its own summary
    lot.first();
    for (const auto& [output, line2] :
         {std::pair{ReportOutput::Print, "QUANT.: 3     PESO MÉDIO: 310.0     PESO BRUTO: 930.0"},
          std::pair{ReportOutput::Pdf, "QUANT: 3     PESO MÉDIO: 310.0     PESO BRUTO: 930.0"}}) {
        Report& report = reports.setUpKr20(lot, layoutFile(), output);
        ASSERT_TRUE(report.prepare()) << report.errorReport();
        const std::vector<std::string> pages = drawAll(report.preparedPages());
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(pages[0].starts_with("ARQUIVO: FÊMEAS     DATA: 06/03/18     HORA: 09:05|"))
            << pages[0];
        EXPECT_NE(pages[0].find("|" + std::string(line2) + "|"), std::string::npos) << pages[0];
        EXPECT_NE(pages[0].find("|0012345|300|10|R$ 1.500,25|X|BR77|"), std::string::npos)
            << pages[0];
        EXPECT_NE(pages[0].find("|BR78|320|7|R$ 100,00|Final do arquivo|Página: 1 de 1|"),
                  std::string::npos);
    }
}

TEST_F(WeighingReportTest, EmptyLotPrintsTitleHeaderSummaryAndFooter) {
    Table& lot = StoreWriter(store).addLot();
    writeKr20LayoutFileIfMissing(folder.string() + "/");
    Report& report = reports.setUpKr20(lot, layoutFile(), ReportOutput::Pdf);
    ASSERT_TRUE(report.prepare());
    const std::vector<std::string> pages = drawAll(report.preparedPages());
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], "ARQUIVO:      DATA:      HORA: |QUANT:      PESO MÉDIO:      PESO BRUTO: |"
                        "IDENTIFICAÇÃO:|PESO:|GANHO:|VALOR:|CAMPO 1:|CAMPO 2:|CAMPO 3:|"
                        "<picture>|RELATÓRIO DE PESAGENS|Final do arquivo|Página: 1 de 1|");
}

TEST_F(WeighingReportTest, MissingLayoutFileGivesNoPage) {
    Table& lot = StoreWriter(store).addLot();
    Report& report = reports.setUpKr20(lot, layoutFile(), ReportOutput::Print);
    EXPECT_TRUE(report.prepare());
    EXPECT_EQ(report.preparedPages().count(), 0u);
}

TEST_F(WeighingReportTest, LayoutNamingAFieldTheTableLacksIsReported) {
    Layout layout = kr20Layout();
    std::get<MemoView>(layout.page->bands[2].objects[2]).dataField = "PESO2";
    writeLayoutFile(layout, layoutFile());
    auto lot = test::lotWith(1);
    Report& report = reports.setUpKr20(*lot, layoutFile(), ReportOutput::Print);
    EXPECT_FALSE(report.prepare());
    EXPECT_EQ(report.errorReport(), "The following error(s) have occured:\n"
                                    "frxDBDataset1Ganho: Field not found: frxDBDataset1.\"PESO2\"");
    EXPECT_EQ(report.preparedPages().count(), 1u);
}

TEST_F(WeighingReportTest, LayoutFileIsWrittenOnceAndCarriesTheLogo) {
    const std::string data = folder.string() + "/";
    EXPECT_TRUE(writeKr20LayoutFileIfMissing(data));
    EXPECT_FALSE(writeKr20LayoutFileIfMissing(data));
    const Layout layout = readLayoutFile(layoutFile());
    const auto& picture = std::get<PictureView>(layout.page->objects[0]);
    EXPECT_EQ(picture.picture.width, 828);
    EXPECT_EQ(picture.picture.height, 450);
    EXPECT_EQ(writeLayout(layout), writeLayout(kr20Layout()));
}

// What start does with the data folder's PDF1.fr3.
TEST_F(WeighingReportTest, LayoutFileOfEarlierVersionsIsReplacedAndTheUsersStays) {
    const std::string earlier(resources::earlierKr20LayoutFile);
    std::string touched = earlier;
    touched[touched.find("width=\"94.48825\"") + 7] = '5'; // a user's own width
    const std::string own = writeLayout(test::sampleLayout());
    const std::string current = writeLayout(kr20Layout());
    struct Case {
        const char* name;
        std::optional<std::string> before;
        bool written;
    };
    for (const Case& c :
         {Case{"missing", std::nullopt, true}, Case{"earlier", earlier, true},
          Case{"earlier with one change", touched, false},
          Case{"earlier and more", earlier + "\n", false}, Case{"the user's", own, false},
          Case{"empty", std::string(), false}, Case{"current", current, false}}) {
        fs::remove(layoutFile());
        if (c.before) {
            std::ofstream(layoutFile(), std::ios::binary) << *c.before;
        }
        EXPECT_EQ(writeKr20LayoutFileIfMissing(folder.string()), c.written) << c.name;
        std::ifstream in(layoutFile(), std::ios::binary);
        const std::string after{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(after, c.written ? current : *c.before) << c.name;
    }
}

TEST(WeighingLayoutTest, WidthAlignedObjectsAlreadySitWhereAlignmentPutsThem) {
    for (const Layout& layout : {kr10Layout(), kr20Layout()}) {
        Report report;
        report.setLayout(layout);
        ASSERT_TRUE(report.prepare());
        const PreparedPage& page = report.preparedPages().page(0);
        for (const PreparedObject& object : page.objects) {
            const ViewBox& stored = box(*object.source);
            EXPECT_NEAR(object.box.left, static_cast<double>(stored.left), 1e-4) << stored.name;
            EXPECT_NEAR(object.box.width, static_cast<double>(stored.width), 1e-4) << stored.name;
        }
    }
}

TEST(ReportLinesTest, NamesThePdfAfterTheListingOrToday) {
    WeighingStore store;
    StoreWriter(store).S1() = "LOTE1";
    EXPECT_EQ(kr10PdfName(store), "Pesagem_LOTE1");
    EXPECT_EQ(kr20PdfName("04/01/2018"), "Pesagem_04_01_2018");
    EXPECT_EQ(kr20PdfName("04-01-2018"), "Pesagem_04-01-2018");
}

} // namespace
} // namespace vezu
