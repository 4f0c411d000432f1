#pragma once

#include <string>

#include "base/format_settings.hpp"

namespace vezu {

// Fills FormatSettings from a locale name such as "pt_BR" or "en_US" through
// QLocale; an empty name means the user's locale.
FormatSettings formatSettingsForLocale(const std::string& localeName);

} // namespace vezu
