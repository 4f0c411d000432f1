#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// Stored in the file's invariant notation; shows as the Brazilian money format.
inline constexpr std::string_view kMoneyFormat = "R$ #,##0.00_);(R$ #,##0.00)";
inline constexpr std::string_view kKr10SheetPassword = "9735";
inline constexpr std::int8_t kNoFormat = -1;

enum class CellKind : std::uint8_t { Text, Number };

struct PlanCell {
    std::uint32_t row = 1;    // from 1
    std::uint16_t column = 1; // from 1
    CellKind kind = CellKind::Text;
    std::int8_t format = kNoFormat; // index into SheetPlan::numberFormats
    double number = 0;              // the value of a Number cell
    std::string text;               // the value text, as the tables give it
};

struct PlannedSheet {
    std::string name;
    // Protects contents, drawing objects and scenarios when set.
    std::optional<std::string> password;
    // Row by row, left to right within a row.
    std::vector<PlanCell> cells;
    // Column 1 first, in characters of the default font; 0 leaves a column as it is.
    std::vector<double> columnWidths;
};

// Everything a workbook export writes, computed from the loaded data alone.
struct SheetPlan {
    std::string caption; // the workbook's title
    std::string suggestedFileName;
    std::vector<std::string> numberFormats;
    std::vector<PlannedSheet> sheets;
};

// One protected sheet for CDS1 with the listing's summary down column 1.
SheetPlan kr10SheetPlan(const WeighingStore& store, const FormatSettings& fs);

// One sheet per lot 1..C, the lot's summary along row 1; `today` gives the
// suggested file name.
SheetPlan kr20SheetPlan(const WeighingStore& store, const FormatSettings& fs,
                        std::chrono::year_month_day today);

} // namespace vezu
