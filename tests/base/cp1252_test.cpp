#include <gtest/gtest.h>

#include "base/cp1252.hpp"

namespace vezu {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheHighBytes) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    for (const Case c : {Case{0x80, 0x20AC},
                         {0x81, 0x0081},
                         {0x8D, 0x008D},
                         {0x8F, 0x008F},
                         {0x90, 0x0090},
                         {0x9D, 0x009D},
                         {0x9F, 0x0178},
                         {0xC9, 0x00C9},
                         {0xE7, 0x00E7},
                         {0x41, 0x41}}) {
        EXPECT_EQ(cp1252ToUnicode(c.byte), c.codePoint) << int(c.byte);
        EXPECT_EQ(unicodeToCp1252(c.codePoint), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, PortugueseLettersAreOneByte) {
    EXPECT_EQ(utf8ToCp1252("PESO MÉDIO"), "PESO M\xC9"
                                          "DIO");
    EXPECT_EQ(cp1252ToUtf8("Na\xE7\xE3o"), "Nação");
}

TEST(Cp1252, UnrepresentableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\u4E2Db"), "a?b"); // CJK
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");                               // not UTF-8
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");         // cut sequence
    EXPECT_EQ(utf8ToCp1252("\xC0\x80"), "??");      // overlong
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???"); // surrogate
}

} // namespace
} // namespace vezu
