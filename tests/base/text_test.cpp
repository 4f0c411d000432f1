#include <gtest/gtest.h>

#include "base/text.hpp"

namespace vezu {
namespace {

TEST(Text, TrimRemovesSpacesAndControls) {
    EXPECT_EQ(trim("  a b \t\r\n"), "a b");
    EXPECT_EQ(trim(std::string_view("\0x\x1F", 3)), "x");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim("\x81x\x81"), "\x81x\x81"); // above 32: kept
}

TEST(Text, SliceCountsFromOneAndClipsShortLines) {
    struct Case {
        std::size_t first, last;
        std::string_view expected;
    };
    for (const Case c :
         {Case{1, 3, "abc"}, {4, 6, "def"}, {5, 9, "ef"}, {7, 9, ""}, {0, 2, ""}, {3, 2, ""}}) {
        EXPECT_EQ(slice("abcdef", c.first, c.last), c.expected) << c.first << ".." << c.last;
    }
}

TEST(Text, BuscaTrocaReplacesEveryOccurrence) {
    EXPECT_EQ(BuscaTroca("05/03/18", U'/', "_"), "05_03_18");
    EXPECT_EQ(BuscaTroca("", U'/', "_"), "");
    EXPECT_EQ(BuscaTroca("aÉbÉ", U'É', "E"), "aEbE");
}

TEST(Text, TrocaVirgPPtoExchangesPointAndComma) {
    EXPECT_EQ(TrocaVirgPPto("1.234,5"), "1,234.5");
    EXPECT_EQ(TrocaVirgPPto(""), "");
    EXPECT_EQ(TrocaVirgPPto("152.75"), "152,75");
}

} // namespace
} // namespace vezu
