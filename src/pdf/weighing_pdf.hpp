#pragma once

#include <optional>
#include <string>

#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"
#include "pdf/weighing_reports.hpp"

namespace vezu {

// The KR-20 report of a lot, with layoutFile when given, else the data
// folder's "PDF1.fr3" when it exists, else the built-in layout.
Report& setUpKr20Report(WeighingReports& reports, Table& lot,
                        const std::optional<std::string>& layoutFile, const std::string& dataFolder,
                        ReportOutput output);

// The PDF of a report without the command's dialogs, with the filter's
// default settings.
// KR-10: the listing with the built-in layout, or layoutFile when given.
// KR-20: lot n with layoutFile when given, else the data folder's
// "PDF1.fr3" when it exists, else the built-in layout.
// Like the command, writes nothing when no data is loaded. A run that
// collects errors throws ReportError and writes nothing.
void writeKr10Pdf(WeighingStore& store, const std::optional<std::string>& layoutFile,
                  const FormatSettings& fs, const std::string& path);
void writeKr20Pdf(WeighingStore& store, std::int32_t lot,
                  const std::optional<std::string>& layoutFile, const std::string& dataFolder,
                  const FormatSettings& fs, const std::string& path);

} // namespace vezu
