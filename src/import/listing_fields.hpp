#pragma once

#include <cstdint>
#include <string_view>

namespace vezu {

// A trimmed field of a listing line, as a whole number in decimal digits with
// an optional sign; throws the run-time's conversion error naming the text.
std::int32_t readListingInteger(std::string_view rawField);

} // namespace vezu
