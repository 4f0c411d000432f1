#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/currency.hpp"
#include "base/format_settings.hpp"

namespace vezu {

inline constexpr std::string_view kInvalidInteger = "'%s' is not a valid integer value";
inline constexpr std::string_view kInvalidFloat = "'%s' is not a valid floating point value";
inline constexpr std::string_view kZeroDivide = "Floating point division by zero";
inline constexpr std::string_view kInvalidOp = "Invalid floating point operation";

// A whole number in decimal digits with an optional sign, within 32 bits.
std::optional<std::int32_t> tryStrToInt(std::string_view text);
// Throws ConvertError naming the text.
std::int32_t StrToInt(std::string_view text);

// Optional sign, digits with the locale's decimal separator, optional
// exponent; no grouping and no currency symbol. Surrounding spaces are allowed.
std::optional<double> tryStrToFloat(std::string_view text, const FormatSettings& fs);
double StrToFloat(std::string_view text, const FormatSettings& fs);

// The same syntax converted straight to ten-thousandths, exactly (no binary
// rounding on the way), halves to even. Throws ConvertError naming the text,
// or MathError when the value is outside the currency range.
Currency StrToCurrency(std::string_view text, const FormatSettings& fs);

// Division with the run-time's errors for a zero divisor.
double divide(double dividend, double divisor);

} // namespace vezu
