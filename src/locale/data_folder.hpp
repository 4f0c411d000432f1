#pragma once

#include <string>

namespace vezu {

// The user's documents folder, without a trailing separator.
std::string LocalAppDataPath();

// The program's data folder with its trailing slash: "Korbane/" in the
// user's documents folder.
std::string dataFolder();

} // namespace vezu
