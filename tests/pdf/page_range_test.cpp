#include <gtest/gtest.h>

#include "base/error.hpp"
#include "pdf/page_range.hpp"

namespace vezu {
namespace {

struct Case {
    PageRangeKind kind;
    std::string list;
    std::vector<std::size_t> pages; // from 0
};

class PageRangeTest : public ::testing::TestWithParam<Case> {};

TEST_P(PageRangeTest, SelectsPagesInOrder) {
    const Case& c = GetParam();
    EXPECT_EQ(selectPages(c.kind, c.list, 2, 20), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, PageRangeTest,
    ::testing::Values(Case{PageRangeKind::All, "", {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                    10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
                      Case{PageRangeKind::Current, "", {2}},
                      Case{PageRangeKind::Pages, "1,3,5-12", {0, 2, 4, 5, 6, 7, 8, 9, 10, 11}},
                      Case{PageRangeKind::Pages, " 7 , 2-3,3", {1, 2, 6}},
                      Case{PageRangeKind::Pages, "5-3", {2, 3, 4}},
                      Case{PageRangeKind::Pages, "19-25,40", {18, 19}}));

TEST(PageRangeErrorTest, RejectsWhatIsNotAList) {
    for (std::string_view list : {"", "a", "1,,2", "0", "1-", "3-x", "1;2"}) {
        EXPECT_THROW(selectPages(PageRangeKind::Pages, list, 0, 20), Error) << list;
    }
    try {
        selectPages(PageRangeKind::Pages, "1;2", 0, 20);
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(),
                     "Intervalo de páginas inválido: \"1;2\". Use números e intervalos separados "
                     "por vírgulas, como 1,3,5-12.");
    }
    EXPECT_TRUE(selectPages(PageRangeKind::Current, "", 5, 3).empty());
}

} // namespace
} // namespace vezu
