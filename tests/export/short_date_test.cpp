#include <gtest/gtest.h>

#include "export/short_date.hpp"

namespace vezu {
namespace {

using namespace std::chrono;

TEST(ShortDate, FollowsTheLocalePattern) {
    struct Case {
        std::string_view pattern, expected;
    };
    const year_month_day date{year{2025}, December, day{9}};
    for (const Case c : {Case{"dd/MM/yyyy", "09/12/2025"},
                         {"M/d/yy", "12/9/25"},
                         {"d.M.yyyy", "9.12.2025"},
                         {"yyyy-MM-dd", "2025-12-09"},
                         {"dd 'de' MM", "09 de 12"},
                         {"dd''MM", "09'12"}}) {
        FormatSettings fs;
        fs.shortDateFormat = c.pattern;
        EXPECT_EQ(shortDateText(date, fs), c.expected) << c.pattern;
    }
}

} // namespace
} // namespace vezu
