#pragma once

#include <string_view>

namespace vezu {

// Names in layouts compare without regard to ASCII letter case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Position of the first occurrence of needle, ASCII case ignored, or npos.
std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from = 0);

} // namespace vezu
