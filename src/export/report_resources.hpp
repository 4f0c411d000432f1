#pragma once

#include <string_view>

// Files built into the program: the two weighing layouts and the logo.
namespace vezu::resources {
extern const std::string_view kr10Layout;
extern const std::string_view kr20Layout;
extern const std::string_view logoJpeg;
} // namespace vezu::resources
