#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vezu {

inline constexpr std::string_view kUnableToWrite = "Unable to write to %s";

// A settings file with the semantics of the platform's profile service: read
// key by key, a missing file, section or key gives the caller's default; a
// write replaces the key's line in place or appends it at the end of its
// section, creating section and file, and keeps every other line.
// The file is read and written in the ANSI code page; names are UTF-8.
class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    // At most 2047 characters of the value.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal with optional sign, or hexadecimal after "0x"; anything else,
    // or a missing key, gives the default.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;

    // Throws InOutError "Unable to write to <path>" when the file cannot be written.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);

private:
    std::string path_;
};

} // namespace vezu
