#pragma once

#include <string>

namespace vezu {

// A locale name Qt knows ("pt_BR", "en_US", "C"); empty means the user's.
bool isKnownLocale(const std::string& name);

} // namespace vezu
