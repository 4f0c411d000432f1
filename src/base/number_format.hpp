#pragma once

#include <string>

#include "base/currency.hpp"
#include "base/format_settings.hpp"

namespace vezu {

// The general form: shortest text with at most 15 significant digits, the
// locale's decimal separator, no grouping; scientific notation ("1E20",
// "1,5E-7") only for very large or very small magnitudes.
std::string FloatToStr(double value, const FormatSettings& fs);
void appendFloatText(std::string& out, double value, const FormatSettings& fs);

// A currency value in the general form (the value text of a currency field).
void appendCurrencyText(std::string& out, Currency value, const FormatSettings& fs);
std::string CurrencyToStr(Currency value, const FormatSettings& fs);

// The "###,###.#" pattern: thousands grouped, one decimal rounded half away
// from zero, the decimal part left out when it rounds to 0 and no leading
// zero below 1. A value that rounds to 0 gives an empty text.
std::string formatGroupedOneDecimal(double value, const FormatSettings& fs);

// Money: grouping, the locale's currency decimals, the symbol placed by
// currencyFormat / negCurrFormat.
std::string formatMoney(Currency value, const FormatSettings& fs);

} // namespace vezu
