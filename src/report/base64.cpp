#include "report/base64.hpp"

#include "base/error.hpp"

namespace vezu {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextet(char c) {
    const auto at = kAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string encodeBase64(std::string_view bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group = (group << 8) | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0U);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            text += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return text;
}

std::string decodeBase64(std::string_view text) {
    std::string bytes;
    unsigned group = 0;
    int bits = 0;
    for (char c : text) {
        if (c == '=' || c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            continue;
        }
        const int value = sextet(c);
        if (value < 0) {
            throw Error("Invalid picture data");
        }
        group = (group << 6) | static_cast<unsigned>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return bytes;
}

} // namespace vezu
