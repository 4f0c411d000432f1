#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "data/store_writer.hpp"
#include "export/sheet_plan.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"

namespace vezu {
namespace {

using namespace std::chrono;

const year_month_day kToday{year{2025}, December, day{9}};

FormatSettings brazil() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.shortDateFormat = "dd/MM/yyyy";
    return fs;
}

std::string fixture(const std::string& name) {
    return std::string(VEZU_FIXTURES) + "/" + name;
}

const PlanCell* cellAt(const PlannedSheet& sheet, std::uint32_t row, std::uint16_t column) {
    for (const PlanCell& cell : sheet.cells) {
        if (cell.row == row && cell.column == column) {
            return &cell;
        }
    }
    return nullptr;
}

std::string textAt(const PlannedSheet& sheet, std::uint32_t row, std::uint16_t column) {
    const PlanCell* cell = cellAt(sheet, row, column);
    return cell ? cell->text : "<no cell>";
}

void expectText(const PlannedSheet& sheet, std::uint32_t row, std::uint16_t column,
                std::string_view text) {
    const PlanCell* cell = cellAt(sheet, row, column);
    ASSERT_NE(cell, nullptr) << row << "," << column;
    EXPECT_EQ(cell->kind, CellKind::Text) << row << "," << column;
    EXPECT_EQ(cell->text, text) << row << "," << column;
}

void expectNumber(const PlannedSheet& sheet, std::uint32_t row, std::uint16_t column,
                  std::string_view text, double number) {
    const PlanCell* cell = cellAt(sheet, row, column);
    ASSERT_NE(cell, nullptr) << row << "," << column;
    EXPECT_EQ(cell->kind, CellKind::Number) << row << "," << column;
    EXPECT_EQ(cell->text, text) << row << "," << column;
    EXPECT_DOUBLE_EQ(cell->number, number) << row << "," << column;
}

// The workbook writer streams rows, so a cell may never come before one above it.
void expectRowOrder(const PlannedSheet& sheet) {
    EXPECT_TRUE(std::is_sorted(sheet.cells.begin(), sheet.cells.end(),
                               [](const PlanCell& a, const PlanCell& b) {
                                   return a.row != b.row ? a.row < b.row : a.column < b.column;
                               }))
        << sheet.name;
}

void addKr10(Table& t, std::string_view id, std::optional<std::int32_t> weight) {
    t.append();
    t.setText(kr10::ID, id);
    if (weight) {
        t.setInteger(kr10::PESO, *weight);
    }
    t.post();
}

struct Animal {
    std::string id;
    std::optional<std::int32_t> peso = 300, ganho = 10;
    std::optional<std::int64_t> valorTenThousandths = 15000;
    std::string cc1 = {};
};

void addAnimal(Table& lot, std::string_view arquivo, const Animal& a) {
    lot.append();
    lot.setText(kr20::ID, a.id);
    if (a.peso) {
        lot.setInteger(kr20::PESO, *a.peso);
    }
    if (a.ganho) {
        lot.setInteger(kr20::GANHO, *a.ganho);
    }
    if (a.valorTenThousandths) {
        lot.setCurrency(kr20::VALOR, Currency{*a.valorTenThousandths});
    }
    lot.setText(kr20::CC1, a.cc1);
    lot.setText(kr20::ARQUIVO, arquivo);
    lot.setText(kr20::DATA, "05/03/18");
    lot.setText(kr20::HORA, "14:30");
    lot.setText(kr20::QUANTIDADE, "2");
    lot.setText(kr20::MEDIO, "395.0");
    lot.setText(kr20::BRUTO, "790.0");
    lot.post();
}

TEST(Kr10SheetPlan, OneProtectedSheetWithSummaryDownColumnOne) {
    WeighingStore store;
    ListingObserver quiet;
    parseKr10Listing(fixture("kr10-three.txt"), store, brazil(), quiet);
    const SheetPlan plan = kr10SheetPlan(store, brazil());

    EXPECT_EQ(plan.caption, "Arquivo: " + store.S1());
    EXPECT_EQ(plan.suggestedFileName, "Pesagem_" + store.S1());
    EXPECT_TRUE(plan.numberFormats.empty());
    ASSERT_EQ(plan.sheets.size(), 1u);
    const PlannedSheet& sheet = plan.sheets[0];
    EXPECT_EQ(sheet.name, "LOTE " + store.S1());
    EXPECT_EQ(sheet.password, "9735");

    expectText(sheet, 1, 1, "Arquivo : " + store.S1());
    expectText(sheet, 2, 1, "Data : " + store.S2());
    expectText(sheet, 3, 1, "Hora : " + store.S3());
    expectText(sheet, 4, 1, "Quantidade : " + store.S4());
    expectText(sheet, 5, 1, "Peso Bruto : " + store.S5());
    expectText(sheet, 6, 1, "Peso Médio : " + store.S6());
    expectText(sheet, 7, 1, "IDENTIFICAÇÃO");
    expectText(sheet, 7, 2, "PESO");
    expectText(sheet, 8, 1, "BR5500876");
    expectNumber(sheet, 8, 2, "395", 395);
    expectText(sheet, 10, 1, "BR5500878");
    expectNumber(sheet, 10, 2, "0", 0);
    EXPECT_EQ(sheet.cells.size(), 14u);
    EXPECT_TRUE(std::none_of(sheet.cells.begin(), sheet.cells.end(),
                             [](const PlanCell& c) { return c.format != kNoFormat; }));
    expectRowOrder(sheet);
}

TEST(Kr10SheetPlan, IdentificationsStayTextAndAMissingWeightIsZero) {
    WeighingStore store;
    StoreWriter(store).S1() = "LOTE01";
    addKr10(store.CDS1(), "0012345", std::nullopt);
    addKr10(store.CDS1(), "1E5", -3);
    addKr10(store.CDS1(), "", 7);
    const PlannedSheet sheet = kr10SheetPlan(store, brazil()).sheets.at(0);
    expectText(sheet, 8, 1, "0012345");
    expectNumber(sheet, 8, 2, "0", 0);
    expectText(sheet, 9, 1, "1E5");
    expectNumber(sheet, 9, 2, "-3", -3);
    expectText(sheet, 10, 1, "");
}

TEST(Kr10SheetPlan, SheetNameIsMendedWhereTheFileFormatWouldRefuseIt) {
    WeighingStore store;
    StoreWriter(store).S1() = "A/B:C*D?E[F]G\\H-0123456789012345";
    addKr10(store.CDS1(), "x", 1);
    const SheetPlan plan = kr10SheetPlan(store, brazil());
    EXPECT_EQ(plan.sheets.at(0).name, "LOTE A_B_C_D_E_F_G_H-0123456789");
    // Caption and title cell keep the listing's name as it is.
    EXPECT_EQ(plan.caption, "Arquivo: " + store.S1());
    EXPECT_EQ(textAt(plan.sheets[0], 1, 1), "Arquivo : " + store.S1());
}

TEST(Kr20SheetPlan, OneSheetPerLotWithSummaryAlongRowOne) {
    WeighingStore store;
    ListingObserver quiet;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, quiet);
    ASSERT_EQ(store.C(), 2);
    const SheetPlan plan = kr20SheetPlan(store, brazil(), kToday);

    EXPECT_EQ(plan.caption, "Korbane");
    EXPECT_EQ(plan.suggestedFileName, "Pesagem_09_12_2025");
    ASSERT_EQ(plan.numberFormats, std::vector<std::string>{"R$ #,##0.00_);(R$ #,##0.00)"});
    ASSERT_EQ(plan.sheets.size(), 2u);
    EXPECT_EQ(plan.sheets[0].name, "Lote MACHOS");
    EXPECT_EQ(plan.sheets[1].name, "Lote FÊMEAS");

    for (std::int32_t n = 1; n <= 2; ++n) {
        const PlannedSheet& sheet = plan.sheets[static_cast<std::size_t>(n - 1)];
        const Table& lot = store.lot(n);
        SCOPED_TRACE(sheet.name);
        EXPECT_FALSE(sheet.password);
        const std::pair<std::string_view, kr20::Field> summary[] = {
            {"Arquivo : ", kr20::ARQUIVO},  {"Data : ", kr20::DATA},
            {"Hora : ", kr20::HORA},        {"Quantidade : ", kr20::QUANTIDADE},
            {"Peso Médio : ", kr20::MEDIO}, {"Peso Bruto : ", kr20::BRUTO}};
        for (std::uint16_t c = 1; c <= 6; ++c) {
            expectText(sheet, 1, c,
                       std::string(summary[c - 1].first) +
                           std::string(lot.text(0, summary[c - 1].second)));
        }
        const char* titles[] = {"IDENTIFICAÇÃO", "PESO",    "GANHO",  "VALOR",
                                "CAMPO 1",       "CAMPO 2", "CAMPO 3"};
        for (std::uint16_t c = 1; c <= 7; ++c) {
            expectText(sheet, 3, c, titles[c - 1]);
        }
        EXPECT_EQ(sheet.cells.size(), 13 + 7 * lot.recordCount());
        for (const PlanCell& cell : sheet.cells) {
            EXPECT_NE(cell.row, 2u);
            EXPECT_EQ(cell.format != kNoFormat, cell.row >= 4 && cell.column == 4)
                << cell.row << "," << cell.column;
        }
        expectRowOrder(sheet);
    }

    const PlannedSheet& machos = plan.sheets[0];
    expectText(machos, 4, 1, "BR5500876");
    expectNumber(machos, 4, 2, "395", 395);
    expectNumber(machos, 4, 3, "120", 120);
    expectNumber(machos, 4, 4, "152,75", 152.75);
    expectText(machos, 4, 5, "A1");
    expectText(machos, 4, 6, "B2");
    expectText(machos, 4, 7, "C3");
    expectNumber(machos, 5, 4, "0,5", 0.5);
    expectText(machos, 5, 5, "");
    expectText(plan.sheets[1], 4, 1, "0012345");
    expectNumber(plan.sheets[1], 4, 4, "1500,25", 1500.25);
}

TEST(Kr20SheetPlan, ValuesAreNumbersInTheUserLocaleAndMissingOnesStayEmptyText) {
    FormatSettings point;
    point.decimalSeparator = ".";
    struct Case {
        FormatSettings fs;
        std::string_view value;
    };
    for (const Case& c : {Case{brazil(), "-2,5"}, Case{point, "-2.5"}}) {
        WeighingStore store;
        Table& lot = StoreWriter(store).addLot();
        addAnimal(
            lot, "L1",
            {.id = "0007", .peso = 0, .ganho = -5, .valorTenThousandths = -25000, .cc1 = "12"});
        addAnimal(lot, "L1",
                  {.id = "0008",
                   .peso = std::nullopt,
                   .ganho = std::nullopt,
                   .valorTenThousandths = std::nullopt});
        const PlannedSheet sheet = kr20SheetPlan(store, c.fs, kToday).sheets.at(0);
        SCOPED_TRACE(c.value);
        expectText(sheet, 4, 1, "0007");
        expectNumber(sheet, 4, 2, "0", 0);
        expectNumber(sheet, 4, 3, "-5", -5);
        expectNumber(sheet, 4, 4, c.value, -2.5);
        expectText(sheet, 4, 5, "12"); // free fields are text even when they hold digits
        expectText(sheet, 5, 2, "");
        expectText(sheet, 5, 3, "");
        expectText(sheet, 5, 4, "");
        EXPECT_EQ(cellAt(sheet, 5, 4)->format, 0); // the money format is on every data row
    }
}

TEST(Kr20SheetPlan, SheetNamesAreUniqueAndEmptyLotsGetTheirNumber) {
    WeighingStore store;
    addAnimal(StoreWriter(store).addLot(), "MACHOS", {.id = "1"});
    addAnimal(StoreWriter(store).addLot(), "MACHOS", {.id = "2"});
    StoreWriter(store).addLot();
    StoreWriter(store).addLot();
    addAnimal(StoreWriter(store).addLot(), "machos", {.id = "3"});
    addAnimal(StoreWriter(store).addLot(), "4", {.id = "4"});
    StoreWriter(store).addLot();
    const SheetPlan plan = kr20SheetPlan(store, brazil(), kToday);

    std::vector<std::string> names;
    for (const PlannedSheet& sheet : plan.sheets) {
        names.push_back(sheet.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Lote MACHOS", "Lote MACHOS (2)", "Lote ", "Lote4",
                                               "Lote machos (3)", "Lote 4", "Lote7"}));
    for (std::size_t i : {2u, 3u, 6u}) {
        EXPECT_TRUE(plan.sheets[i].cells.empty()) << names[i];
        EXPECT_TRUE(plan.sheets[i].columnWidths.empty()) << names[i];
    }
}

TEST(Kr20SheetPlan, SuggestedNameUsesTheShortDateWithUnderscoresForSlashes) {
    struct Case {
        std::string_view pattern, name;
    };
    for (const Case c : {Case{"dd/MM/yyyy", "Pesagem_09_12_2025"},
                         {"M/d/yy", "Pesagem_12_9_25"},
                         {"dd.MM.yyyy", "Pesagem_09.12.2025"},
                         {"yyyy-MM-dd", "Pesagem_2025-12-09"}}) {
        FormatSettings fs = brazil();
        fs.shortDateFormat = c.pattern;
        EXPECT_EQ(kr20SheetPlan(WeighingStore(), fs, kToday).suggestedFileName, c.name)
            << c.pattern;
    }
}

TEST(SheetPlanColumns, WidthsFollowTheWidestShownCell) {
    WeighingStore store;
    addAnimal(StoreWriter(store).addLot(), "L", {.id = "A", .valorTenThousandths = 15000});
    addAnimal(StoreWriter(store).addLot(), "L",
              {.id = std::string(20, 'W'), .valorTenThousandths = 12345678900000});
    const SheetPlan plan = kr20SheetPlan(store, brazil(), kToday);
    const std::vector<double>& narrow = plan.sheets[0].columnWidths;
    const std::vector<double>& wide = plan.sheets[1].columnWidths;
    ASSERT_EQ(narrow.size(), 7u);
    ASSERT_EQ(wide.size(), 7u);
    for (double width : narrow) {
        EXPECT_GT(width, 0);
    }
    // Column 1 fits its widest text: the title first, the long identification then.
    EXPECT_GE(narrow[0], std::string_view("IDENTIFICAÇÃO").size() - 2);
    EXPECT_GT(wide[0], narrow[0]);
    EXPECT_GE(wide[0], 20);
    // The value is measured as the money format shows it, "R$ 1,234,567,890.00",
    // wider than its 13 digits alone.
    EXPECT_GE(wide[3], 16);
    EXPECT_EQ(wide[1], narrow[1]);

    WeighingStore kr10;
    StoreWriter(kr10).S1() = std::string(400, 'M');
    addKr10(kr10.CDS1(), "x", 1);
    const std::vector<double> capped = kr10SheetPlan(kr10, brazil()).sheets.at(0).columnWidths;
    ASSERT_EQ(capped.size(), 2u);
    EXPECT_EQ(capped[0], 255);
    EXPECT_GT(capped[1], 0);
}

} // namespace
} // namespace vezu
