#pragma once

#include "export/sheet_plan.hpp"

namespace vezu {

inline constexpr double kMaxColumnWidth = 255;

// Sets every used column of the sheet as wide as its widest cell shows,
// estimated with the default font's character widths, the way a spreadsheet
// fits columns to their contents. A formatted number is measured as money,
// the one number format the plans use.
void fitColumnWidths(PlannedSheet& sheet);

} // namespace vezu
