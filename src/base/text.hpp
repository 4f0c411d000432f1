#pragma once

#include <string>
#include <string_view>

namespace vezu {

// Removes leading and trailing spaces and control characters (code <= 32).
std::string_view trim(std::string_view text);

// Characters first..last of a line, counted from 1 and inclusive; the part
// beyond the end of a short line is simply missing.
std::string_view slice(std::string_view line, std::size_t first, std::size_t last);

// Replaces every occurrence of one character by a text.
std::string BuscaTroca(std::string_view text, char32_t from, std::string_view to);

// Exchanges "." and "," throughout a number text.
std::string TrocaVirgPPto(std::string_view text);

} // namespace vezu
