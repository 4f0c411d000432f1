#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/error.hpp"
#include "report/base64.hpp"
#include "report/layout_file.hpp"
#include "report/report.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

// The smallest JPEG header our reader accepts: SOI, then a frame of 828 x 450.
std::string tinyJpeg() {
    return std::string("\xFF\xD8\xFF\xC0\x00\x0B\x08\x01\xC2\x03\x3C\x01\x01\x11\x00\xFF\xD9", 17);
}

Layout everyPropertySet() {
    Layout layout = test::sampleLayout();
    layout.variables.set("New Variable1", "'a''b'\nsecond line  ");
    layout.variables.add({"New Variable3", std::nullopt});
    layout.options.doublePass = true;
    layout.script = "begin\n  x;\nend.";
    ReportPage& page = *layout.page;
    page.paper.leftMargin = 12.5L;
    page.paper.orientation = Orientation::Landscape;
    page.font.height = 11;
    page.titleBeforeHeader = false;
    page.bands[0].font = Font{"Tahoma", 16, 0x112233, true, true};
    MemoView& memo = std::get<MemoView>(page.bands[1].objects[0]);
    memo.align = Align::Width;
    memo.frame = Frame{true, false, true, true, 0xFF0000, 2.5};
    memo.hAlign = HAlign::Right;
    memo.vAlign = VAlign::Bottom;
    memo.gapX = 0;
    memo.wordWrap = false;
    memo.clipped = false;
    memo.allowExpressions = false;
    memo.text = "   leading blanks & <markup>\nÇÃO   ";
    PictureView picture;
    picture.name = "Picture1";
    picture.left = 2.55906L;
    picture.width = 166.29932L;
    picture.keepAspectRatio = false;
    picture.picture = pictureFromJpeg(tinyJpeg());
    page.objects.emplace_back(picture);
    page.bands[4].printOnFirstPage = false;
    return layout;
}

TEST(LayoutFileTest, WritesAndReadsBackEveryProperty) {
    const Layout original = everyPropertySet();
    const Layout back = readLayout(writeLayout(original));
    EXPECT_EQ(writeLayout(back), writeLayout(original));
    EXPECT_EQ(back.variables, original.variables);
    EXPECT_EQ(back.script, original.script);
    EXPECT_EQ(back.options, original.options);
    const MemoView& memo = std::get<MemoView>(back.page->bands[1].objects[0]);
    EXPECT_EQ(memo.text, "   leading blanks & <markup>\nÇÃO   ");
    EXPECT_EQ(memo.frame, (Frame{true, false, true, true, 0xFF0000, 2.5}));
    EXPECT_EQ(back.page->bands[0].font, (Font{"Tahoma", 16, 0x112233, true, true}));
    // Positions survive in full 80-bit precision.
    EXPECT_EQ(back.page->bands[0].height, 117.16543L);
    EXPECT_EQ(back.page->paper.leftMargin, 12.5L);
    const PictureView& picture = std::get<PictureView>(back.page->objects.back());
    EXPECT_EQ(picture.picture.width, 828);
    EXPECT_EQ(picture.picture.height, 450);
    EXPECT_EQ(picture.picture.jpeg, tinyJpeg());
    EXPECT_FALSE(back.page->bands[4].printOnFirstPage);
}

TEST(LayoutFileTest, MissingPropertiesTakeTheirDefaults) {
    const Layout layout = readLayout(R"(<korbane-report><page><pageFooter height="22.67718">
        <memo name="Memo7" width="718.1107" height="18.89765"/></pageFooter></page></korbane-report>)");
    EXPECT_EQ(layout.script, "begin\n\nend.");
    const ReportPage& page = *layout.page;
    EXPECT_EQ(page.paper.width, 210);
    EXPECT_EQ(page.paper.sizeCode, 9);
    EXPECT_TRUE(page.titleBeforeHeader);
    const MemoView& memo = std::get<MemoView>(page.bands[0].objects[0]);
    EXPECT_EQ(memo.gapX, 2);
    EXPECT_EQ(memo.gapY, 1);
    EXPECT_EQ(memo.lineSpacing, 2);
    EXPECT_TRUE(memo.wordWrap && memo.clipped && memo.allowExpressions);
    EXPECT_FALSE(memo.font.has_value());
    EXPECT_EQ(page.font, Font{});
}

TEST(LayoutFileTest, RejectsWhatIsNotALayout) {
    for (std::string_view text :
         {"not xml", "<other/>", "<korbane-report><page paperWidth=\"2,5\"/></korbane-report>"}) {
        EXPECT_THROW(readLayout(text), Error) << text;
    }
    EXPECT_THROW(decodeBase64("ab!c"), Error);
}

TEST(LayoutFileTest, ReportLoadsAFileAndForgetsItsDataSetsAndVariables) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vezu-layout-" + std::to_string(::getpid()) + ".xml");
    writeLayoutFile(test::sampleLayout(), path);
    DBDataset adapter("frxDBDataset1");
    Report report;
    report.setVariable("New Variable9", "'x'");
    report.addDataSet(adapter);
    ASSERT_TRUE(report.loadFromFile(path));
    std::filesystem::remove(path);
    EXPECT_EQ(report.layout().variables.find("New Variable9"), nullptr);
    EXPECT_EQ(report.findDataSet("frxDBDataset1"), nullptr);
    EXPECT_EQ(report.layout().page->bands.size(), 5u);
}

TEST(Base64Test, RoundTripsEveryLength) {
    std::string bytes;
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(decodeBase64(encodeBase64(bytes)), bytes);
        bytes += static_cast<char>(0xF0 + n);
    }
    EXPECT_EQ(encodeBase64("Man"), "TWFu");
    EXPECT_EQ(encodeBase64("Ma"), "TWE=");
}

} // namespace
} // namespace vezu
