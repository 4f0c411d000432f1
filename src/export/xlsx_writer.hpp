#pragma once

#include <string>

#include "export/sheet_plan.hpp"

namespace vezu {

// Writes the plan as an .xlsx workbook. The file appears under `path` only
// when it is complete: a failure leaves any previous file as it was and
// throws InOutError with the reason.
void writeWorkbook(const SheetPlan& plan, const std::string& path);

// The save dialog's name: ".xlsx" is added to a name without an extension,
// as a spreadsheet application does; any other name is used as it is.
std::string withXlsxExtension(const std::string& path);

} // namespace vezu
