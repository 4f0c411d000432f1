#pragma once

#include <string>

namespace vezu {

// The program's data folder with its trailing slash: "Korbane/" in the
// user's documents folder.
std::string dataFolder();

} // namespace vezu
