#include <gtest/gtest.h>

#include "report/text_layout.hpp"

namespace vezu {
namespace {

// Every character is one unit wide.
double oneEach(std::string_view text) {
    double n = 0;
    for (unsigned char c : text) {
        n += (c & 0xC0) != 0x80;
    }
    return n;
}

struct Case {
    std::string text;
    double width;
    bool wrap;
    std::vector<std::string> lines;
};

class TextLayoutTest : public ::testing::TestWithParam<Case> {};

TEST_P(TextLayoutTest, BreaksLines) {
    const Case& c = GetParam();
    EXPECT_EQ(breakLines(c.text, c.width, c.wrap, oneEach), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextLayoutTest,
                         ::testing::Values(Case{"", 10, true, {""}},
                                           Case{"short", 10, true, {"short"}},
                                           Case{"exactly10!", 10, true, {"exactly10!"}},
                                           Case{"one two three", 8, true, {"one two", "three"}},
                                           Case{"one     two", 6, true, {"one", "two"}},
                                           Case{"ab  cd  ef", 7, true, {"ab  cd", "ef"}},
                                           Case{"a\r\nb\nc", 10, true, {"a", "b", "c"}},
                                           Case{"PESAGENS", 3, true, {"PES", "AGE", "NS"}},
                                           Case{"ÇÃOÉ", 2, true, {"ÇÃ", "OÉ"}},
                                           Case{"one two three", 8, false, {"one two three"}}));

} // namespace
} // namespace vezu
