#pragma once

#include <string>

namespace vezu {

// The locale's number, money and date conventions, copied into a plain value
// so the core never asks the platform for them.
struct FormatSettings {
    std::string decimalSeparator = ".";
    std::string thousandSeparator = ",";
    std::string currencyString = "$";
    // Position of the symbol: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyFormat = 0;
    // Negative amounts: 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$",
    // 6 "1-$", 7 "1$-", 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1",
    // 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int negCurrFormat = 1;
    int currencyDecimals = 2;
    std::string shortDateFormat = "M/d/yyyy";
};

} // namespace vezu
