#include "export/sheet_names.hpp"

#include <vector>

#include "base/cp1252.hpp"

namespace vezu {
namespace {

// The next code point of a UTF-8 text; a malformed sequence gives U+FFFD
// for its first byte.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    int extra = 0;
    char32_t code = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        code = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = lead <= 0xEF ? 2 : -1;
        code = lead & 0x0F;
    } else if (lead >= 0xC2) {
        extra = 1;
        code = lead & 0x1F;
    } else if (lead >= 0x80) {
        extra = -1;
    }
    if (extra < 0 || at + static_cast<std::size_t>(extra) > text.size()) {
        return U'\uFFFD';
    }
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return U'\uFFFD';
        }
        code = (code << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(extra);
    return code;
}

std::vector<char32_t> codePoints(std::string_view utf8) {
    std::vector<char32_t> out;
    for (std::size_t at = 0; at < utf8.size();) {
        out.push_back(nextCodePoint(utf8, at));
    }
    return out;
}

std::string toUtf8(const std::vector<char32_t>& codes, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count && i < codes.size(); ++i) {
        appendUtf8(out, codes[i]);
    }
    return out;
}

char32_t lowerCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c + 0x20;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 0x20;
    }
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: capital and small letters in pairs.
        if (c == 0x130) {
            return U'i';
        }
        if (c == 0x178) {
            return 0xFF;
        }
        if (c == 0x138 || c == 0x149 || c == 0x17F) {
            return c;
        }
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || c >= 0x179;
        return (c % 2 == 1) == oddCapitals ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return c + 0x20;
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

bool refused(char32_t c) {
    return c < 0x20 || c == U'[' || c == U']' || c == U':' || c == U'*' || c == U'?' || c == U'/' ||
           c == U'\\';
}

std::vector<char32_t> acceptable(std::string_view wanted) {
    std::vector<char32_t> codes = codePoints(wanted);
    for (char32_t& c : codes) {
        if (refused(c)) {
            c = U'_';
        }
    }
    if (codes.size() > kSheetNameMax) {
        codes.resize(kSheetNameMax);
    }
    if (!codes.empty() && codes.front() == U'\'') {
        codes.front() = U'_';
    }
    if (!codes.empty() && codes.back() == U'\'') {
        codes.back() = U'_';
    }
    return codes;
}

} // namespace

std::string foldCase(std::string_view utf8) {
    std::string out;
    for (std::size_t at = 0; at < utf8.size();) {
        appendUtf8(out, lowerCase(nextCodePoint(utf8, at)));
    }
    return out;
}

bool SheetNames::isTaken(std::string_view name) const {
    return taken_.contains(foldCase(name));
}

std::string SheetNames::claim(std::string_view wanted) {
    const std::vector<char32_t> base = acceptable(wanted);
    std::string name = toUtf8(base, base.size());
    for (int n = 2; isTaken(name); ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        name = toUtf8(base, kSheetNameMax - suffix.size()) + suffix;
    }
    taken_.insert(foldCase(name));
    return name;
}

} // namespace vezu
