#pragma once

#include <string>
#include <string_view>

namespace vezu {

// Windows-1252 stands in for the ANSI code page. Every byte maps to one code
// point; the five bytes the code page leaves unassigned map to the C1 controls
// of the same value, so a file's bytes always survive a round trip.
char32_t cp1252ToUnicode(unsigned char byte);

// The byte for a code point, or -1 when the code page cannot hold it.
int unicodeToCp1252(char32_t codePoint);

void appendCp1252AsUtf8(std::string& out, std::string_view bytes);
std::string cp1252ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and malformed UTF-8, become "?".
void appendUtf8AsCp1252(std::string& out, std::string_view utf8);
std::string utf8ToCp1252(std::string_view utf8);

void appendUtf8(std::string& out, char32_t codePoint);

} // namespace vezu
