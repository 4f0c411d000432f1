#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/error.hpp"
#include "report/prepared_file.hpp"
#include "report/report.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

TEST(PreparedFileTest, SavedPagesOpenAgainWithTheirObjectsAndTexts) {
    auto table = test::lotWith(60);
    DBDataset adapter("frxDBDataset1");
    adapter.bind(*table);
    Report report;
    report.setLayout(test::sampleLayout());
    report.addDataSet(adapter);
    report.setVariable("New Variable1", "'  blanks kept  '");
    ASSERT_TRUE(report.prepare());
    ASSERT_TRUE(report.prepare(false)); // two runs, two layouts
    const auto path = std::filesystem::temp_directory_path() / ("vezu-prepared-" + std::to_string(::getpid()));
    savePreparedPages(report.preparedPages(), path);
    const PreparedPages back = loadPreparedPages(path);
    std::filesystem::remove(path);

    const PreparedPages& original = report.preparedPages();
    ASSERT_EQ(back.count(), original.count());
    ASSERT_EQ(back.layouts().size(), 2u);
    for (std::size_t p = 0; p < back.count(); ++p) {
        const auto& a = original.page(p).objects;
        const auto& b = back.page(p).objects;
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(box(*b[i].source).name, box(*a[i].source).name);
            EXPECT_EQ(b[i].text, a[i].text);
            EXPECT_EQ(b[i].box.top, a[i].box.top);
        }
    }
    EXPECT_EQ(back.page(0).objects[0].text, "  blanks kept  ");
    EXPECT_EQ(back.page(2).paper, &back.layouts()[1]->page->paper);
}

TEST(PreparedFileTest, RejectsOtherFiles) {
    const auto path = std::filesystem::temp_directory_path() / ("vezu-prepared-bad-" + std::to_string(::getpid()));
    for (const char* content : {"nonsense", "<korbane-report/>",
                                "<korbane-prepared><page layout=\"0\"/></korbane-prepared>"}) {
        std::ofstream(path) << content;
        EXPECT_THROW(loadPreparedPages(path), Error) << content;
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace vezu
