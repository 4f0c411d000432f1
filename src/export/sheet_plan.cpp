#include "export/sheet_plan.hpp"

#include <algorithm>

#include "base/conversions.hpp"
#include "base/text.hpp"
#include "export/column_widths.hpp"
#include "export/sheet_names.hpp"
#include "export/short_date.hpp"

namespace vezu {
namespace {

constexpr std::int8_t kMoney = 0;

PlanCell textCell(std::uint32_t row, std::uint16_t column, std::string text) {
    PlanCell cell;
    cell.row = row;
    cell.column = column;
    cell.text = std::move(text);
    return cell;
}

// A text that reads as a number in the user's locale becomes a number, so
// weights and values can be summed; anything else stays text.
PlanCell valueCell(std::uint32_t row, std::uint16_t column, std::string text,
                   const FormatSettings& fs) {
    PlanCell cell = textCell(row, column, std::move(text));
    if (const auto number = tryStrToFloat(cell.text, fs)) {
        cell.kind = CellKind::Number;
        cell.number = *number;
    }
    return cell;
}

std::string concat(std::string_view label, std::string_view value) {
    std::string out(label);
    out.append(value);
    return out;
}

void addKr20Titles(std::vector<PlanCell>& cells, const Table& lot) {
    static constexpr std::string_view kLabels[] = {
        "Arquivo : ", "Data : ", "Hora : ", "Quantidade : ", "Peso Médio : ", "Peso Bruto : "};
    static constexpr kr20::Field kFields[] = {kr20::ARQUIVO,    kr20::DATA,  kr20::HORA,
                                              kr20::QUANTIDADE, kr20::MEDIO, kr20::BRUTO};
    for (std::uint16_t c = 0; c < 6; ++c) {
        cells.push_back(textCell(1, c + 1, concat(kLabels[c], lot.text(0, kFields[c]))));
    }
    static constexpr std::string_view kTitles[] = {"IDENTIFICAÇÃO", "PESO",    "GANHO",  "VALOR",
                                                   "CAMPO 1",       "CAMPO 2", "CAMPO 3"};
    for (std::uint16_t c = 0; c < 7; ++c) {
        cells.push_back(textCell(3, c + 1, std::string(kTitles[c])));
    }
}

PlannedSheet kr20Sheet(const Table& lot, const FormatSettings& fs) {
    PlannedSheet sheet;
    const std::size_t records = lot.recordCount();
    if (records == 0) {
        return sheet;
    }
    sheet.cells.reserve(13 + records * 7);
    addKr20Titles(sheet.cells, lot);
    for (std::size_t k = 0; k < records; ++k) {
        const auto row = static_cast<std::uint32_t>(4 + k);
        sheet.cells.push_back(textCell(row, 1, std::string(lot.text(k, kr20::ID))));
        sheet.cells.push_back(valueCell(row, 2, lot.valueText(k, kr20::PESO, fs), fs));
        sheet.cells.push_back(valueCell(row, 3, lot.valueText(k, kr20::GANHO, fs), fs));
        PlanCell& value =
            sheet.cells.emplace_back(valueCell(row, 4, lot.valueText(k, kr20::VALOR, fs), fs));
        value.format = kMoney;
        sheet.cells.push_back(textCell(row, 5, std::string(lot.text(k, kr20::CC1))));
        sheet.cells.push_back(textCell(row, 6, std::string(lot.text(k, kr20::CC2))));
        sheet.cells.push_back(textCell(row, 7, std::string(lot.text(k, kr20::CC3))));
    }
    return sheet;
}

// "Lote " and the lot's name; a lot without a name, once "Lote " is taken,
// is told apart by its number.
std::string kr20SheetName(SheetNames& names, const Table& lot, std::int32_t n) {
    const std::string_view name = lot.recordCount() > 0 ? lot.text(0, kr20::ARQUIVO) : "";
    if (name.empty() && names.isTaken("Lote ")) {
        return names.claim("Lote" + std::to_string(n));
    }
    return names.claim(concat("Lote ", name));
}

} // namespace

SheetPlan kr10SheetPlan(const WeighingStore& store, const FormatSettings& fs) {
    SheetPlan plan;
    plan.caption = concat("Arquivo: ", store.S1());
    plan.suggestedFileName = concat("Pesagem_", store.S1());

    PlannedSheet& sheet = plan.sheets.emplace_back();
    sheet.name = SheetNames().claim(concat("LOTE ", store.S1()));
    sheet.password = std::string(kKr10SheetPassword);

    const Table& CDS1 = store.CDS1();
    sheet.cells.reserve(8 + CDS1.recordCount() * 2);
    const std::pair<std::string_view, const std::string&> summary[] = {
        {"Arquivo : ", store.S1()},    {"Data : ", store.S2()},
        {"Hora : ", store.S3()},       {"Quantidade : ", store.S4()},
        {"Peso Bruto : ", store.S5()}, {"Peso Médio : ", store.S6()}};
    for (std::uint32_t r = 0; r < 6; ++r) {
        sheet.cells.push_back(textCell(r + 1, 1, concat(summary[r].first, summary[r].second)));
    }
    sheet.cells.push_back(textCell(7, 1, "IDENTIFICAÇÃO"));
    sheet.cells.push_back(textCell(7, 2, "PESO"));
    for (std::size_t k = 0; k < CDS1.recordCount(); ++k) {
        const auto row = static_cast<std::uint32_t>(8 + k);
        sheet.cells.push_back(textCell(row, 1, std::string(CDS1.text(k, kr10::ID))));
        // A record without a weight shows 0.
        const std::int32_t weight = CDS1.isNull(k, kr10::PESO) ? 0 : CDS1.integer(k, kr10::PESO);
        sheet.cells.push_back(valueCell(row, 2, std::to_string(weight), fs));
    }
    fitColumnWidths(sheet);
    return plan;
}

SheetPlan kr20SheetPlan(const WeighingStore& store, const FormatSettings& fs,
                        std::chrono::year_month_day today) {
    SheetPlan plan;
    plan.caption = "Korbane";
    plan.suggestedFileName = "Pesagem_" + BuscaTroca(shortDateText(today, fs), U'/', "_");
    plan.numberFormats.emplace_back(kMoneyFormat);

    SheetNames names;
    plan.sheets.reserve(static_cast<std::size_t>(std::max(store.C(), 0)));
    for (std::int32_t n = 1; n <= store.C(); ++n) {
        const Table& lot = store.lot(n);
        PlannedSheet& sheet = plan.sheets.emplace_back(kr20Sheet(lot, fs));
        sheet.name = kr20SheetName(names, lot, n);
        fitColumnWidths(sheet);
    }
    return plan;
}

} // namespace vezu
