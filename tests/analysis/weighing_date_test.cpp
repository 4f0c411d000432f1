#include <gtest/gtest.h>

#include "analysis/weighing_date.hpp"

namespace vezu {
namespace {

TEST(WeighingDate, ReadsDayMonthTwoDigitYear) {
    const std::vector<std::pair<std::string, std::optional<std::int64_t>>> cases{
        {"05/03/18", 17595}, // 2018-03-05
        {"5/3/18", 17595},
        {" 05/03/18 ", 17595},
        {"05/ 3/18", 17595},
        {"29/02/20", 18321}, // leap year
        {"29/02/19", std::nullopt},
        {"31/04/18", std::nullopt},
        {"00/03/18", std::nullopt},
        {"05/13/18", std::nullopt},
        {"05/03/2018", std::nullopt},
        {"05/03/8", std::nullopt},
        {"05-03-18", std::nullopt},
        {"05/03/18/1", std::nullopt},
        {"  06/03/", std::nullopt}, // a lot line cut short
        {"a5/03/18", std::nullopt},
        {"", std::nullopt},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(readWeighingDate(cases[i].first), cases[i].second);
    }
    EXPECT_EQ(readWeighingDate("01/01/70"), 36525); // 20yy, not 19yy
}

TEST(WeighingDate, DaysBetweenTwoWeighings) {
    EXPECT_EQ(daysBetween("05/03/18", "06/03/18"), 1);
    EXPECT_EQ(daysBetween("28/02/20", "01/03/20"), 2);
    EXPECT_EQ(daysBetween("31/12/17", "01/01/18"), 1);
    EXPECT_EQ(daysBetween("06/03/18", "05/03/18"), -1);
    EXPECT_EQ(daysBetween("05/03/18", "05/03/18"), 0);
    EXPECT_EQ(daysBetween("05/03/18", "xx"), std::nullopt);
    EXPECT_EQ(daysBetween("", "05/03/18"), std::nullopt);
}

} // namespace
} // namespace vezu
