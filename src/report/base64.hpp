#pragma once

#include <string>
#include <string_view>

namespace vezu {

std::string encodeBase64(std::string_view bytes);
// Skips whitespace; throws Error on any other character outside the alphabet.
std::string decodeBase64(std::string_view text);

} // namespace vezu
