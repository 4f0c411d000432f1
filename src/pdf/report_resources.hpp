#pragma once

#include <string_view>

// Files built into the program: the two weighing layouts, the logo, and the
// KR-20 layout file as earlier versions wrote it (replaced at start).
namespace vezu::resources {
extern const std::string_view kr10Layout;
extern const std::string_view kr20Layout;
extern const std::string_view earlierKr20LayoutFile;
extern const std::string_view logoJpeg;
} // namespace vezu::resources
