#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "base/error.hpp"
#include "commands/pdf_export.hpp"
#include "pdf/pdf_writer.hpp"
#include "scripted_interaction.hpp"

namespace vezu {
namespace {

class PdfExportRefusal : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("vezu-pdf-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        settings.openAfterExport = false;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    PreparedPages pagesOf(std::size_t count) {
        PreparedPages pages;
        for (std::size_t i = 0; i < count; ++i) {
            pages.addPage(paper);
        }
        return pages;
    }

    std::filesystem::path folder;
    Paper paper;
    PdfExportSettings settings;
    ScriptedInteraction ui;
    ScriptedReportDialogs dialogs;
};

// Nothing to write is refused before the save dialog, so no name is asked for.
TEST_F(PdfExportRefusal, NothingSelectedIsSaidBeforeTheSaveDialog) {
    struct Case {
        std::size_t pageCount;
        PageRangeKind range;
        const char* list;
        std::size_t currentPage;
    };
    const Case cases[] = {
        {0, PageRangeKind::All, "", 0},
        {2, PageRangeKind::Pages, "5-9", 0},
        {2, PageRangeKind::Current, "", 3},
        {2, PageRangeKind::Pages, "1,x", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        ui.saveStartNames.clear();
        dialogs.errors.clear();
        settings.range = c.range;
        settings.pages = c.list;
        const PreparedPages pages = pagesOf(c.pageCount);
        std::string expected;
        try {
            pagesToWrite(pages, settings, c.currentPage);
        } catch (const Error& error) {
            expected = error.what();
        }
        ASSERT_FALSE(expected.empty());

        PdfExport pdf(settings, ui, dialogs);
        EXPECT_FALSE(pdf.run(pages, c.currentPage));
        EXPECT_FALSE(pdf.runQuick(pages, c.currentPage));
        EXPECT_TRUE(ui.saveStartNames.empty());
        EXPECT_EQ(dialogs.errors, (std::vector<std::string>{expected, expected}));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(PdfExportRefusal, APageInTheRangeReachesTheSaveDialogAndIsWritten) {
    settings.range = PageRangeKind::Pages;
    settings.pages = "2";
    const std::string path = (folder / "lote.pdf").string();
    ui.saveAnswers = {path};
    PdfExport pdf(settings, ui, dialogs);
    EXPECT_TRUE(pdf.run(pagesOf(2)));
    EXPECT_EQ(ui.saveStartNames.size(), 1u);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(std::filesystem::exists(path));
}

} // namespace
} // namespace vezu
