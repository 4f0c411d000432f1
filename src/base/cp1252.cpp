#include "base/cp1252.hpp"

#include <array>

namespace vezu {
namespace {

// Code points of bytes 0x80..0x9F; the unassigned ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int unicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void appendCp1252AsUtf8(std::string& out, std::string_view bytes) {
    std::size_t plainRun = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            ++plainRun;
            continue;
        }
        out.append(bytes.data() + i - plainRun, plainRun);
        plainRun = 0;
        appendUtf8(out, cp1252ToUnicode(byte));
    }
    out.append(bytes.data() + bytes.size() - plainRun, plainRun);
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    appendCp1252AsUtf8(out, bytes);
    return out;
}

namespace {

// Decodes one UTF-8 sequence at text[i]; returns the code point and advances
// i, or returns -1 (and advances by one byte) for a malformed sequence.
long decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++i;
        return -1;
    }
    if (i + length > text.size()) {
        ++i;
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return -1;
    }
    i += length;
    return static_cast<long>(cp);
}

} // namespace

void appendUtf8AsCp1252(std::string& out, std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t plainStart = i;
        while (i < utf8.size() && static_cast<unsigned char>(utf8[i]) < 0x80) {
            ++i;
        }
        out.append(utf8.data() + plainStart, i - plainStart);
        if (i == utf8.size()) {
            break;
        }
        const long cp = decodeUtf8(utf8, i);
        const int byte = cp < 0 ? -1 : unicodeToCp1252(static_cast<char32_t>(cp));
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendUtf8AsCp1252(out, utf8);
    return out;
}

} // namespace vezu
