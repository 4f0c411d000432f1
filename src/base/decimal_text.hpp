#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vezu {

// A number text taken apart: value = digits x 10^exponent, digits without
// leading zeros ("" for zero).
struct DecimalText {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

// Optional sign, digits with an optional decimal separator, optional exponent
// ("E" or "e", optional sign, digits); at least one mantissa digit. Spaces
// around the number are allowed.
std::optional<DecimalText> parseDecimalText(std::string_view text,
                                            std::string_view decimalSeparator);

} // namespace vezu
