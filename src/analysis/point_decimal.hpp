#pragma once

#include <string>

namespace vezu {

// For scripts: "." before the decimals, no grouping, rounded half away from
// zero like the program's other one-decimal figures; never "-0.0".
std::string pointDecimal(double value, int decimals);

} // namespace vezu
