#pragma once

#include <string>
#include <string_view>

#include "report/layout.hpp"

namespace vezu {

// The layout file of KR-20 reports in the data folder.
inline constexpr std::string_view kKr20LayoutFile = "PDF1.fr3";

// The layouts built into the program, with the logo in Picture1.
Layout kr10Layout();
Layout kr20Layout();

// Writes the built-in KR-20 layout as dataFolder + "PDF1.fr3" when that file
// is missing or is byte for byte the one earlier versions wrote, whose
// columns were too narrow for the values; any other file is the user's and
// stays. True when it was written. dataFolder ends with "/".
bool writeKr20LayoutFileIfMissing(const std::string& dataFolder);

} // namespace vezu
