#include <gtest/gtest.h>

#include "report/page_renderer.hpp"
#include "report/report.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

// Records what is drawn; every character is 6 units wide, ascent 12, descent 3.
class RecordingCanvas : public Canvas {
public:
    struct Text {
        std::string text;
        double x;
        double baseline;
    };
    void beginPage(const Paper&) override { ++pages; }
    void endPage() override {}
    FontMetrics metrics(const Font&) override { return {12, 3}; }
    double textWidth(const Font&, std::string_view text) override { return 6.0 * text.size(); }
    void drawText(const Font&, double x, double baseline, std::string_view text) override {
        texts.push_back({std::string(text), x, baseline});
    }
    void drawLine(double, double y1, double, double y2, double, std::uint32_t) override {
        lines.push_back({y1, y2});
    }
    void drawPicture(const Picture&, const Rect& target) override { pictures.push_back(target); }
    void pushClip(const Rect&) override { ++clips; }
    void popClip() override {}

    int pages = 0;
    int clips = 0;
    std::vector<Text> texts;
    std::vector<std::pair<double, double>> lines;
    std::vector<Rect> pictures;
};

PreparedPage pageWith(const Paper& paper, const ReportObject& object, Rect box, std::string text) {
    return PreparedPage{&paper, {PreparedObject{&object, box, std::move(text)}}};
}

TEST(PageRendererTest, ReplacesTheTotalInEveryLetterCase) {
    EXPECT_EQ(withTotalPages("Página: 2 de [TotalPages#]", 3), "Página: 2 de 3");
    EXPECT_EQ(withTotalPages("[totalpages#]/[TOTALPAGES#]", 12), "12/12");
    EXPECT_EQ(withTotalPages("[Page#]", 12), "[Page#]");
}

TEST(PageRendererTest, AlignsTextWithinTheGapsAndOffsetsByTheMargins) {
    const Paper paper;
    const double margin = 37.7953;
    const Font font;
    for (const auto& [align, x] :
         std::vector<std::pair<HAlign, double>>{{HAlign::Left, margin + 100 + 2},
                                                {HAlign::Center, margin + 100 + (200 - 24) / 2.0},
                                                {HAlign::Right, margin + 300 - 2 - 24}}) {
        MemoView memo = test::memo("M", 0, 0, 200, "");
        memo.font = font;
        memo.hAlign = align;
        memo.frame.bottom = true;
        const ReportObject object = memo;
        RecordingCanvas canvas;
        renderPage(pageWith(paper, object, Rect{100, 50, 200, 18.89765}, "[TotalPages#]"), 1234,
                   canvas);
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].text, "1234");
        EXPECT_DOUBLE_EQ(canvas.texts[0].x, x);
        EXPECT_DOUBLE_EQ(canvas.texts[0].baseline, margin + 50 + 1 + 12);
        ASSERT_EQ(canvas.lines.size(), 1u);
        EXPECT_DOUBLE_EQ(canvas.lines[0].first, margin + 50 + 18.89765);
        EXPECT_EQ(canvas.clips, 0); // the text fits: no clipping needed
    }
}

TEST(PageRendererTest, WrapsLongTextAndClipsWhatFallsBelowTheMemo) {
    const Paper paper;
    MemoView memo = test::memo("Memo3", 0, 0, 100, "");
    memo.font = Font{};
    const ReportObject object = memo;
    RecordingCanvas canvas;
    renderPage(
        pageWith(paper, object, Rect{0, 0, 100, 18.89765}, "ARQUIVO: LOTE     DATA: 05/03/24"), 1,
        canvas);
    ASSERT_EQ(canvas.texts.size(), 2u); // 16 characters per line at most
    EXPECT_EQ(canvas.texts[0].text, "ARQUIVO: LOTE");
    EXPECT_EQ(canvas.texts[1].text, "DATA: 05/03/24");
    EXPECT_DOUBLE_EQ(canvas.texts[1].baseline - canvas.texts[0].baseline, 12 + 3 + 2);
    EXPECT_EQ(canvas.clips, 1);
}

TEST(PageRendererTest, FitsPicturesKeepingTheirAspectRatio) {
    const Paper paper;
    PictureView view;
    view.picture.jpeg = "x";
    view.picture.width = 828;
    view.picture.height = 450;
    const ReportObject object = view;
    RecordingCanvas canvas;
    renderPage(pageWith(paper, object, Rect{0, 0, 200, 200}, ""), 1, canvas);
    ASSERT_EQ(canvas.pictures.size(), 1u);
    const Rect& target = canvas.pictures[0];
    EXPECT_DOUBLE_EQ(target.width, 200);
    EXPECT_NEAR(target.height, 200 * 450.0 / 828, 1e-9);
    EXPECT_NEAR(target.top, 37.7953 + (200 - target.height) / 2, 1e-9);
}

} // namespace
} // namespace vezu
