#include "report/ascii_case.hpp"

namespace vezu {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameAt(std::string_view text, std::size_t at, std::string_view needle) {
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (lower(text[at + i]) != lower(needle[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && sameAt(a, 0, b);
}

std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.size() > text.size()) {
        return std::string_view::npos;
    }
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
        if (sameAt(text, at, needle)) {
            return at;
        }
    }
    return std::string_view::npos;
}

} // namespace vezu
