#include "base/text.hpp"

#include "base/cp1252.hpp"

namespace vezu {

std::string_view trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string_view slice(std::string_view line, std::size_t first, std::size_t last) {
    if (first == 0 || first > line.size() || last < first) {
        return {};
    }
    return line.substr(first - 1, last - first + 1);
}

std::string BuscaTroca(std::string_view text, char32_t from, std::string_view to) {
    std::string needle;
    appendUtf8(needle, from);
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (auto at = text.find(needle); at != std::string_view::npos; at = text.find(needle, start)) {
        out.append(text.substr(start, at - start));
        out.append(to);
        start = at + needle.size();
    }
    out.append(text.substr(start));
    return out;
}

std::string TrocaVirgPPto(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '.') {
            c = ',';
        } else if (c == ',') {
            c = '.';
        }
    }
    return out;
}

} // namespace vezu
