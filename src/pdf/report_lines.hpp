#pragma once

#include <string>

#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// The two summary lines above the rows of a weighing report.
struct ReportLines {
    std::string line1;
    std::string line2;
};

enum class ReportOutput { Print, Pdf };

// KR-10: from S1..S6, the same for print and PDF.
ReportLines kr10ReportLines(const WeighingStore& store);
// KR-20: from the lot table's current record ("QUANT.: " when printing,
// "QUANT: " in the PDF); empty values when the table has no current record.
ReportLines kr20ReportLines(const Table& lot, ReportOutput output, const FormatSettings& fs);

// The PDF's proposed name, without folder and extension.
std::string kr10PdfName(const WeighingStore& store);
// shortDate: today in the user's short date format.
std::string kr20PdfName(const std::string& shortDate);

} // namespace vezu
