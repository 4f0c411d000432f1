#include "commands/file_names.hpp"

#include <algorithm>
#include <cctype>

namespace vezu {

std::string safeFileName(std::string_view proposal) {
    std::string safe(proposal);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return safe;
}

std::string withExtension(const std::string& path, std::string_view extension) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    const bool has = path.size() >= extension.size() &&
                     std::equal(extension.begin(), extension.end(),
                                path.end() - static_cast<std::ptrdiff_t>(extension.size()),
                                [&](char a, char b) { return lower(a) == lower(b); });
    return has ? path : path + std::string(extension);
}

} // namespace vezu
