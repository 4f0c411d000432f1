#pragma once

#include <string_view>

namespace vezu {

// Position of the "]" that closes the "[" at `open`: brackets nest, and
// brackets inside single- or double-quoted text do not count. npos when the
// expression is never closed.
std::size_t findClosingBracket(std::string_view text, std::size_t open);

// The text of a quoted literal ('It''s' gives It's), or nothing when the
// expression is not exactly one such literal.
bool unquoteLiteral(std::string_view expression, std::string& text);

// The text enclosed in single quotes with every inner quote doubled.
std::string quotedLiteral(std::string_view text);

} // namespace vezu
