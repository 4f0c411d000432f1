// The weighing reports show every value whole, in one line, under its
// heading, measured with the PDF's own font metrics.
#include <gtest/gtest.h>

#include <map>

#include "data/store_writer.hpp"
#include "pdf/pdf_canvas.hpp"
#include "pdf/weighing_layouts.hpp"
#include "pdf/weighing_reports.hpp"
#include "report/page_renderer.hpp"

namespace vezu {
namespace {

// Measures like the PDF and records what is drawn; a memo whose text leaves
// its box is drawn clipped, so a clipped text is a value cut short.
class MeasuringCanvas : public Canvas {
public:
    void beginPage(const Paper&) override {}
    void endPage() override {}
    FontMetrics metrics(const Font& font) override { return pdf_.metrics(font); }
    double textWidth(const Font& font, std::string_view text) override {
        return pdf_.textWidth(font, text);
    }
    void drawText(const Font&, double, double, std::string_view text) override {
        ++drawn[std::string(text)];
        if (clipDepth_ > 0) {
            clipped.emplace_back(text);
        }
    }
    void drawLine(double, double, double, double, double, std::uint32_t) override {}
    void drawPicture(const Picture&, const Rect&) override {}
    void pushClip(const Rect&) override { ++clipDepth_; }
    void popClip() override { --clipDepth_; }

    std::map<std::string, int> drawn;
    std::vector<std::string> clipped;

private:
    int clipDepth_ = 0;
    PdfDocument document_;
    PdfCanvas pdf_{document_, false, 95};
};

FormatSettings brazil() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.currencyString = "R$";
    fs.currencyFormat = 2;
    fs.negCurrFormat = 14; // the widest negative form, "(R$ 1)"
    return fs;
}

struct Animal {
    const char* id;
    int weight;
    int gain;
    std::int64_t cents;
    const char* free;
};

// The widest each column holds: 16 wide or 20 narrow characters of
// identification, five-digit weights and gains, R$ 99.999.999,99.
constexpr Animal kWidest[] = {
    {"WWWWWWWWWWWWWWWW", 99999, -9999, 9999999999, "WWWWW"},
    {"98200012345678901234", -9999, 99999, -9999999999, "MMMMM"},
    {"BR55MMMMMMMMMMMMMMMM", 12345, 12345, 1000000, "A1"},
};

void fill(Table& lot) {
    for (const Animal& a : kWidest) {
        lot.append();
        lot.setText(kr20::ID, a.id);
        lot.setInteger(kr20::PESO, a.weight);
        lot.setInteger(kr20::GANHO, a.gain);
        lot.setCurrency(kr20::VALOR, Currency{a.cents * 100});
        for (const std::size_t field : {kr20::CC1, kr20::CC2, kr20::CC3}) {
            lot.setText(field, a.free);
        }
        lot.setText(kr20::ARQUIVO, "WWWWWWWWWW");
        lot.setText(kr20::DATA, "28/12/26");
        lot.setText(kr20::HORA, "23:59");
        lot.setText(kr20::QUANTIDADE, "9999");
        lot.setText(kr20::MEDIO, "123456.7");
        lot.setText(kr20::BRUTO, "99999999");
        lot.post();
    }
    lot.first();
}

void draw(const Report& report, MeasuringCanvas& canvas) {
    for (const PreparedPage& page : report.preparedPages().pages()) {
        renderPage(page, report.preparedPages().count(), canvas);
    }
}

TEST(ReportColumnsTest, Kr20ShowsTheWidestValuesWholeInOneLine) {
    WeighingReports reports;
    reports.setFormatSettings(brazil());
    auto lot = makeLotTable(1);
    fill(*lot);
    for (const ReportOutput output : {ReportOutput::Print, ReportOutput::Pdf}) {
        Report& report = reports.setUpKr20(*lot, output);
        ASSERT_TRUE(report.prepare()) << report.errorReport();
        MeasuringCanvas canvas;
        draw(report, canvas);
        EXPECT_EQ(canvas.clipped, std::vector<std::string>{});
        std::vector<std::string> values = {
            "WWWWWWWWWWWWWWWW",
            "98200012345678901234",
            "BR55MMMMMMMMMMMMMMMM",
            "99999",
            "-9999",
            "R$ 99.999.999,99",
            "(R$ 99.999.999,99)",
            "R$ 10.000,00",
            "WWWWW",
            "MMMMM",
            "ARQUIVO: WWWWWWWWWW     DATA: 28/12/26     HORA: 23:59",
            std::string(output == ReportOutput::Print ? "QUANT.: " : "QUANT: ") +
                "9999     PESO MÉDIO: 123456.7     PESO BRUTO: 99999999",
            "IDENTIFICAÇÃO:",
            "PESO:",
            "GANHO:",
            "VALOR:",
            "CAMPO 1:",
            "CAMPO 2:",
            "CAMPO 3:"};
        for (const std::string& value : values) {
            EXPECT_GT(canvas.drawn.count(value), 0u)
                << value << " not among " << testing::PrintToString(canvas.drawn);
        }
    }
}

TEST(ReportColumnsTest, Kr10ShowsAnElevenCharacterIdentificationWhole) {
    WeighingStore store;
    for (const char* id : {"WWWWWWWWWWW", "98200012345"}) {
        store.CDS1().append();
        store.CDS1().setText(kr10::ID, id);
        store.CDS1().setInteger(kr10::PESO, 99999);
        store.CDS1().post();
    }
    StoreWriter(store).S1() = "WWWWWWWWWWWW";
    StoreWriter(store).S2() = "28/12/26";
    StoreWriter(store).S3() = "23:59";
    StoreWriter(store).S4() = "9999";
    StoreWriter(store).S5() = "999999";
    StoreWriter(store).S6() = "99.999,9";
    WeighingReports reports;
    Report& report = reports.setUpKr10(store);
    ASSERT_TRUE(report.prepare()) << report.errorReport();
    MeasuringCanvas canvas;
    draw(report, canvas);
    // Only the title's empty room below its capitals is cut.
    EXPECT_EQ(canvas.clipped, std::vector<std::string>{"RELATÓRIO DE PESAGENS"});
    for (const std::string value :
         {"WWWWWWWWWWW", "98200012345", "99999",
          "ARQUIVO: WWWWWWWWWWWW     DATA: 28/12/26     HORA: 23:59",
          "QUANTIDADE: 9999     PESO BRUTO: 999999     PESO MÉDIO: 99.999,9"}) {
        EXPECT_GT(canvas.drawn.count(value), 0u)
            << value << " not among " << testing::PrintToString(canvas.drawn);
    }
}

// Each data memo of the KR-20 layout has a heading of its own right above it.
TEST(ReportColumnsTest, Kr20HeadingsStandOverTheirColumns) {
    const Layout layout = kr20Layout();
    const Band* header = layout.page->findBand(BandKind::PageHeader);
    const Band* data = layout.page->findBand(BandKind::MasterData);
    ASSERT_TRUE(header && data);
    std::vector<std::string> headings;
    for (const ReportObject& object : data->objects) {
        const ViewBox& column = box(object);
        const MemoView* heading = nullptr;
        for (const ReportObject& candidate : header->objects) {
            const auto* memo = std::get_if<MemoView>(&candidate);
            if (memo && !memo->text.empty() && memo->left == column.left &&
                memo->width == column.width) {
                heading = memo;
            }
        }
        ASSERT_NE(heading, nullptr) << column.name;
        headings.push_back(heading->text);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"IDENTIFICAÇÃO:", "PESO:", "GANHO:", "VALOR:",
                                                  "CAMPO 1:", "CAMPO 2:", "CAMPO 3:"}));
}

} // namespace
} // namespace vezu
