#include <gtest/gtest.h>

#include "base/number_format.hpp"

namespace vezu {
namespace {

FormatSettings brazil() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.currencyString = "R$";
    fs.currencyFormat = 2;
    fs.negCurrFormat = 9;
    fs.currencyDecimals = 2;
    return fs;
}

TEST(FloatToStr, GeneralFormWithFifteenDigits) {
    struct Case {
        double value;
        std::string_view expected;
    };
    for (const Case c : {Case{0, "0"},
                         {12.5, "12,5"},
                         {1500.25, "1500,25"},
                         {-0.5, "-0,5"},
                         {394, "394"},
                         {0.1 + 0.2, "0,3"},
                         {1.0 / 3, "0,333333333333333"},
                         {123456789012345, "123456789012345"},
                         {1e15, "1E15"},
                         {1e20, "1E20"},
                         {0.0001, "0,0001"},
                         {0.00001, "0,00001"},
                         {1.5e-7, "1,5E-7"},
                         {-2.5e22, "-2,5E22"}}) {
        EXPECT_EQ(FloatToStr(c.value, brazil()), c.expected) << c.value;
    }
}

TEST(CurrencyToStr, MatchesTheGeneralForm) {
    struct Case {
        std::int64_t tenThousandths;
        std::string_view expected;
    };
    for (const Case c : {Case{15002500, "1500,25"},
                         {125000, "12,5"},
                         {0, "0"},
                         {-25000, "-2,5"},
                         {1, "0,0001"},
                         {-9223372036854775807 - 1, "-922337203685478"},
                         {999999999999999, "99999999999,9999"},
                         {9999999999999999, "1000000000000"}}) {
        EXPECT_EQ(CurrencyToStr(Currency{c.tenThousandths}, brazil()), c.expected)
            << c.tenThousandths;
        EXPECT_EQ(CurrencyToStr(Currency{c.tenThousandths}, brazil()),
                  FloatToStr(Currency{c.tenThousandths}.toDouble(), brazil()))
            << c.tenThousandths;
    }
}

TEST(GroupedOneDecimal, FollowsThePattern) {
    struct Case {
        double value;
        std::string_view expected;
    };
    for (const Case c : {Case{9850.0 / 25, "394"},
                         {9850.0 / 24, "410,4"},
                         {1000.0 / 3, "333,3"},
                         {1234567.89, "1.234.567,9"},
                         {0.25, ",3"},
                         {0.04, ""},
                         {0, ""},
                         {0.96, "1"},
                         {999.96, "1.000"},
                         {-1234.5, "-1.234,5"},
                         {2.45, "2,5"},
                         {100.05, "100,1"}}) {
        EXPECT_EQ(formatGroupedOneDecimal(c.value, brazil()), c.expected) << c.value;
    }
    FormatSettings us;
    EXPECT_EQ(formatGroupedOneDecimal(1234.56, us), "1,234.6");
}

TEST(Money, PlacesSymbolAndDecimals) {
    struct Case {
        std::int64_t tenThousandths;
        int format;
        int negFormat;
        std::string_view expected;
    };
    for (const Case c : {Case{15275000, 2, 9, "R$ 1.527,50"},
                         {15275000, 0, 1, "R$1.527,50"},
                         {15275000, 3, 8, "1.527,50 R$"},
                         {-25000, 2, 9, "-R$ 2,50"},
                         {-25000, 2, 0, "(R$2,50)"},
                         {-25000, 2, 12, "R$ -2,50"},
                         {49, 2, 9, "R$ 0,00"},
                         {50, 2, 9, "R$ 0,01"},
                         {-49, 2, 9, "R$ 0,00"}}) {
        FormatSettings fs = brazil();
        fs.currencyFormat = c.format;
        fs.negCurrFormat = c.negFormat;
        EXPECT_EQ(formatMoney(Currency{c.tenThousandths}, fs), c.expected) << c.tenThousandths;
    }
    FormatSettings noDecimals = brazil();
    noDecimals.currencyDecimals = 0;
    EXPECT_EQ(formatMoney(Currency{15275000}, noDecimals), "R$ 1.528");
}

} // namespace
} // namespace vezu
