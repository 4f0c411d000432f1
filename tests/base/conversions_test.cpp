#include <gtest/gtest.h>

#include "base/conversions.hpp"
#include "base/error.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

TEST(StrToInt, AcceptsOnlySignedDecimalWithin32Bits) {
    struct Case {
        std::string_view text;
        std::optional<std::int32_t> expected;
    };
    for (const Case c : {Case{"395", 395},
                         {"-5", -5},
                         {"+7", 7},
                         {"0", 0},
                         {"007", 7},
                         {"2147483647", 2147483647},
                         {"-2147483648", -2147483647 - 1},
                         {"2147483648", {}},
                         {"99999999999999999999", {}},
                         {"", {}},
                         {"-", {}},
                         {"1.0", {}},
                         {"1e3", {}},
                         {"0x10", {}},
                         {" 1", {}},
                         {"39 5", {}},
                         {"١٢", {}}}) {
        EXPECT_EQ(tryStrToInt(c.text), c.expected) << c.text;
    }
}

TEST(StrToInt, ErrorNamesTheText) {
    try {
        StrToInt("39x");
        FAIL();
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'39x' is not a valid integer value");
    }
}

TEST(StrToFloat, FollowsTheLocaleDecimalSeparator) {
    struct Case {
        std::string_view text;
        std::optional<double> withComma;
        std::optional<double> withPoint;
    };
    for (const Case c : {Case{"9850", 9850, 9850},
                         {"12,5", 12.5, {}},
                         {"12.5", {}, 12.5},
                         {"-0,5", -0.5, {}},
                         {",5", 0.5, {}},
                         {"5,", 5, {}},
                         {"1E3", 1000, 1000},
                         {"1,5e-2", 0.015, {}},
                         {"+2", 2, 2},
                         {"1.234,5", {}, {}},
                         {"", {}, {}},
                         {"E5", {}, {}},
                         {"1E", {}, {}},
                         {"R$ 1", {}, {}},
                         {"1e999", {}, {}},
                         {" 7 ", 7, 7}}) {
        EXPECT_EQ(tryStrToFloat(c.text, commaDecimal()), c.withComma) << c.text;
        EXPECT_EQ(tryStrToFloat(c.text, FormatSettings{}), c.withPoint) << c.text;
    }
}

TEST(StrToFloat, ErrorNamesTheText) {
    EXPECT_THROW(StrToFloat("abc", commaDecimal()), ConvertError);
    try {
        StrToFloat("1.5", commaDecimal());
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'1.5' is not a valid floating point value");
    }
}

TEST(StrToCurrency, RoundsExactlyHalvesToEven) {
    struct Case {
        std::string_view text;
        std::int64_t tenThousandths;
    };
    for (const Case c : {Case{"152,75", 1527500},
                         {"0,5", 5000},
                         {"0", 0},
                         {"-2,5", -25000},
                         {"0,00005", 0},
                         {"0,00015", 2},
                         {"0,00025", 2},
                         {"0,000251", 3},
                         {"1e2", 1000000},
                         {"1,23456789", 12346},
                         {"-0,00005", 0},
                         {"922337203685477,5807", 9223372036854775807}}) {
        EXPECT_EQ(StrToCurrency(c.text, commaDecimal()).tenThousandths, c.tenThousandths) << c.text;
    }
}

TEST(StrToCurrency, RejectsBadTextAndOverflow) {
    EXPECT_THROW(StrToCurrency("1.5", commaDecimal()), ConvertError);
    EXPECT_THROW(StrToCurrency("", commaDecimal()), ConvertError);
    try {
        StrToCurrency("922337203685477,5808", commaDecimal());
        FAIL();
    } catch (const MathError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_THROW(StrToCurrency("1e30", commaDecimal()), MathError);
}

TEST(CurrencyFromDouble, RoundsHalvesToEven) {
    EXPECT_EQ(Currency::fromDouble(0.00005).tenThousandths, 0);
    EXPECT_EQ(Currency::fromDouble(-12.5).tenThousandths, -125000);
    EXPECT_THROW(Currency::fromDouble(1e300), MathError);
}

TEST(Divide, RaisesTheRunTimeErrors) {
    EXPECT_DOUBLE_EQ(divide(9850, 25), 394);
    try {
        divide(1, 0);
        FAIL();
    } catch (const MathError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        divide(0, 0);
        FAIL();
    } catch (const MathError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

} // namespace
} // namespace vezu
