#include "settings/ini_file.hpp"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "base/atomic_file.hpp"
#include "base/conversions.hpp"
#include "base/cp1252.hpp"
#include "base/error.hpp"

namespace vezu {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxValueLength = 2047;

// Lines keep their own line ends, so the lines a write does not touch go back
// to the file byte for byte.
using Lines = std::vector<std::string>;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view withoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

bool sameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// "[name]", possibly followed by other text after the last "]".
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view text = trimBlanks(withoutLineEnd(line));
    std::size_t close = text.rfind(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(text.substr(1, close - 1));
}

std::optional<std::string_view> keyName(std::string_view line) {
    std::string_view text = withoutLineEnd(line);
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trimBlanks(text.substr(0, equals));
}

std::string_view valueOf(std::string_view line) {
    std::string_view text = withoutLineEnd(line);
    std::string_view value = trimBlanks(text.substr(text.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value.substr(0, kMaxValueLength);
}

// Where a key stands: the first section of that name, the line after its last
// line, and the key's first line in it. Names are in the file's code page.
struct Place {
    std::optional<std::size_t> section;
    std::size_t sectionEnd = 0;
    std::optional<std::size_t> key;
};

Place find(const Lines& lines, std::string_view section, std::string_view key) {
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionName(lines[i])) {
            if (place.section) {
                break;
            }
            if (sameName(*name, section)) {
                place.section = i;
            }
        } else if (place.section && !place.key) {
            auto name = keyName(lines[i]);
            if (name && sameName(*name, key)) {
                place.key = i;
            }
        }
        if (place.section) {
            place.sectionEnd = i + 1;
        }
    }
    return place;
}

Lines splitLines(std::string_view bytes) {
    Lines lines;
    while (!bytes.empty()) {
        std::size_t end = bytes.find('\n');
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        lines.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end);
    }
    return lines;
}

void endLine(std::string& line) {
    if (!line.empty() && line.back() == '\r') {
        line += '\n';
    } else if (line.empty() || line.back() != '\n') {
        line += "\r\n";
    }
}

// Nothing when the file cannot be opened or read.
std::optional<std::string> readBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

InOutError unableToWrite(const std::string& path) {
    return InOutError(formatMessage(kUnableToWrite, path));
}

bool isReadOnly(const fs::path& path) {
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return fs::is_regular_file(status) && (status.permissions() & anyWrite) == fs::perms::none;
}

// A failed write leaves the previous file as it was.
void replaceFile(const std::string& path, const Lines& lines) {
    try {
        AtomicFileWriter file(path);
        for (const std::string& line : lines) {
            file.write(line);
        }
        file.commit();
    } catch (const InOutError&) {
        throw unableToWrite(path);
    }
}

std::optional<std::int32_t> parseHexadecimal(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) {
            return std::nullopt;
        }
    }
    // Eight hex digits fill all 32 bits, so 0xFFFFFFFF reads as -1.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return parseHexadecimal(text.substr(2));
    }
    return tryStrToInt(text);
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    std::optional<std::string> bytes = readBytes(path_);
    if (!bytes) {
        return std::string(defaultValue);
    }
    Lines lines = splitLines(*bytes);
    Place place = find(lines, utf8ToCp1252(section), utf8ToCp1252(key));
    if (!place.key) {
        return std::string(defaultValue);
    }
    return cp1252ToUtf8(valueOf(lines[*place.key]));
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    return parseInteger(readString(section, key, "")).value_or(defaultValue);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::optional<std::string> bytes = readBytes(path_);
    std::error_code error;
    if ((!bytes && fs::exists(path_, error)) || isReadOnly(path_)) {
        throw unableToWrite(path_);
    }
    Lines lines = splitLines(bytes.value_or(""));
    const std::string fileSection = utf8ToCp1252(section);
    const std::string fileKey = utf8ToCp1252(key);
    const std::string fileValue = utf8ToCp1252(value);
    Place place = find(lines, fileSection, fileKey);

    if (place.key) {
        // The key keeps the spelling it has in the file.
        std::string name(*keyName(lines[*place.key]));
        lines[*place.key] = name + "=" + fileValue + "\r\n";
    } else if (place.section) {
        std::size_t last = *place.section;
        for (std::size_t i = last + 1; i < place.sectionEnd; ++i) {
            if (!trimBlanks(withoutLineEnd(lines[i])).empty()) {
                last = i;
            }
        }
        endLine(lines[last]);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                     fileKey + "=" + fileValue + "\r\n");
    } else {
        if (!lines.empty()) {
            endLine(lines.back());
        }
        lines.push_back("[" + fileSection + "]\r\n");
        lines.push_back(fileKey + "=" + fileValue + "\r\n");
    }
    replaceFile(path_, lines);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value) {
    writeString(section, key, std::to_string(value));
}

} // namespace vezu
