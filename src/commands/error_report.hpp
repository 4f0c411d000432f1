#pragma once

#include <string>
#include <string_view>

namespace vezu {

// The general error report appends a full stop when the text ends in a
// character above "." ("Arquivo inválido !" stays as it is).
std::string withFullStop(std::string_view text);

} // namespace vezu
