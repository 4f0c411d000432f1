#include <gtest/gtest.h>

#include "base/number_format.hpp"
#include "locale/locale_settings.hpp"

namespace vezu {
namespace {

TEST(LocaleSettings, BrazilianNotation) {
    const FormatSettings fs = formatSettingsForLocale("pt_BR");
    EXPECT_EQ(fs.decimalSeparator, ",");
    EXPECT_EQ(fs.thousandSeparator, ".");
    EXPECT_EQ(fs.currencyString, "R$");
    EXPECT_EQ(fs.currencyDecimals, 2);
    EXPECT_EQ(formatMoney(Currency{15275000}, fs), "R$ 1.527,50");
    EXPECT_EQ(fs.shortDateFormat, "dd/MM/yyyy");
}

TEST(LocaleSettings, AmericanNotation) {
    const FormatSettings fs = formatSettingsForLocale("en_US");
    EXPECT_EQ(fs.decimalSeparator, ".");
    EXPECT_EQ(fs.thousandSeparator, ",");
    EXPECT_EQ(formatMoney(Currency{15275000}, fs), "$1,527.50");
    EXPECT_EQ(formatMoney(Currency{-25000}, fs),
              "($2.50)"); // the locale writes negatives in brackets
}

TEST(LocaleSettings, SymbolAfterTheNumber) {
    const FormatSettings fs = formatSettingsForLocale("de_DE");
    EXPECT_EQ(formatMoney(Currency{15275000}, fs), "1.527,50 €");
}

} // namespace
} // namespace vezu
