#pragma once

#include <string>
#include <string_view>

namespace vezu {

// A proposed file name without the characters a pen drive on a Windows PC
// refuses: "/", control characters and \ : * ? " < > | become "_".
std::string safeFileName(std::string_view proposal);

// The chosen name with `extension` (".pdf", ".xlsx") added unless it already
// ends with it in any letter case.
std::string withExtension(const std::string& path, std::string_view extension);

} // namespace vezu
