#include "report/bracket_scanner.hpp"

#include <string>

namespace vezu {

std::size_t findClosingBracket(std::string_view text, std::size_t open) {
    int depth = 0;
    char quote = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            // A doubled quote inside quoted text toggles twice and stays quoted.
            if (c == quote) {
                quote = 0;
            }
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '[') {
            ++depth;
        } else if (c == ']' && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool unquoteLiteral(std::string_view expression, std::string& text) {
    if (expression.size() < 2 || expression.front() != '\'' || expression.back() != '\'') {
        return false;
    }
    std::string result;
    for (std::size_t i = 1; i + 1 < expression.size(); ++i) {
        if (expression[i] == '\'') {
            if (i + 2 >= expression.size() || expression[i + 1] != '\'') {
                return false; // a lone quote ends the literal early
            }
            ++i;
        }
        result += expression[i];
    }
    text = std::move(result);
    return true;
}

std::string quotedLiteral(std::string_view text) {
    std::string literal = "'";
    for (char c : text) {
        literal += c;
        if (c == '\'') {
            literal += '\'';
        }
    }
    literal += '\'';
    return literal;
}

} // namespace vezu
