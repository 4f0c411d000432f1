#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vezu {

// Breaks a memo's text into lines: at its line breaks, and, with word wrap,
// at the last blank that keeps a line within maxWidth. A word wider than the
// whole line is broken between characters.
std::vector<std::string> breakLines(std::string_view text, double maxWidth, bool wordWrap,
                                    const std::function<double(std::string_view)>& width);

} // namespace vezu
