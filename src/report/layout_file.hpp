#pragma once

#include <string>
#include <string_view>

#include "report/layout.hpp"

namespace vezu {

// The layout file: XML, root element "korbane-report". Properties at their
// default values are left out and read back as the default.
Layout readLayout(std::string_view xml);
Layout readLayoutFile(const std::string& path);

std::string writeLayout(const Layout& layout);
// Written beside the target and renamed over it.
void writeLayoutFile(const Layout& layout, const std::string& path);

} // namespace vezu
