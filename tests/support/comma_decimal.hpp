#pragma once

#include "base/format_settings.hpp"

namespace vezu {

// Numbers as a Brazilian machine writes them: "1.500,25".
inline FormatSettings commaDecimal() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    return fs;
}

} // namespace vezu
