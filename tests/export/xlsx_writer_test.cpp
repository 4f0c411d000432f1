#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/error.hpp"
#include "export/sheet_plan.hpp"
#include "export/xlsx_writer.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

std::string fixture(const std::string& name) {
    return std::string(VEZU_FIXTURES) + "/" + name;
}

// One part of the workbook package, read back with unzip.
std::string part(const fs::path& workbook, const std::string& name) {
    const std::string command = "unzip -p '" + workbook.string() + "' '" + name + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), &::pclose);
    std::string out;
    char buffer[4096];
    for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        out.append(buffer, got);
    }
    return out;
}

// The XML of one cell of a worksheet part, "" when the cell is absent.
std::string cellXml(const std::string& sheet, const std::string& reference) {
    const auto start = sheet.find("<c r=\"" + reference + "\"");
    if (start == std::string::npos) {
        return "";
    }
    const auto closed = sheet.find("</c>", start);
    const auto nextTag = sheet.find('>', start);
    // "<c .../>" ends at its first ">", "<c ...>...</c>" at "</c>".
    const auto end = sheet[nextTag - 1] == '/' ? nextTag + 1 : closed + 4;
    return sheet.substr(start, end - start);
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-xlsx-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder;
};

TEST_F(WorkbookTest, Kr20WorkbookHoldsOneSheetPerLotWithNumbersTextsAndTheMoneyFormat) {
    WeighingStore store;
    ListingObserver quiet;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, quiet);
    const fs::path path = folder / "lotes.xlsx";
    writeWorkbook(kr20SheetPlan(store, commaDecimal(), std::chrono::year_month_day{}),
                  path.string());

    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"lotes.xlsx"});
    const std::string workbook = part(path, "xl/workbook.xml");
    EXPECT_EQ(count(workbook, "<sheet "), 2u);
    EXPECT_NE(workbook.find("name=\"Lote MACHOS\""), std::string::npos);
    EXPECT_NE(workbook.find("name=\"Lote FÊMEAS\""), std::string::npos);
    EXPECT_NE(part(path, "docProps/core.xml").find("<dc:title>Korbane</dc:title>"),
              std::string::npos);
    EXPECT_NE(part(path, "xl/styles.xml").find("formatCode=\"R$ #,##0.00_);(R$ #,##0.00)\""),
              std::string::npos);

    const std::string machos = part(path, "xl/worksheets/sheet1.xml");
    EXPECT_EQ(machos.find("<sheetProtection"), std::string::npos);
    EXPECT_NE(machos.find("<cols>"), std::string::npos);
    EXPECT_NE(cellXml(machos, "A1").find("<t>Arquivo : MACHOS</t>"), std::string::npos);
    EXPECT_EQ(cellXml(machos, "A2"), "");
    EXPECT_NE(cellXml(machos, "A4").find("<t>BR5500876</t>"), std::string::npos);
    EXPECT_EQ(cellXml(machos, "B4"), "<c r=\"B4\"><v>395</v></c>");
    const std::string value = cellXml(machos, "D4");
    EXPECT_NE(value.find("s=\"1\""), std::string::npos) << value;
    EXPECT_NE(value.find("<v>152.75</v>"), std::string::npos) << value;
    EXPECT_EQ(cellXml(machos, "D3").find("s=\"1\""), std::string::npos);

    const std::string femeas = part(path, "xl/worksheets/sheet2.xml");
    EXPECT_NE(cellXml(femeas, "A4").find("<t>0012345</t>"), std::string::npos)
        << cellXml(femeas, "A4");
    EXPECT_NE(cellXml(femeas, "D4").find("<v>1500.25</v>"), std::string::npos);
}

TEST_F(WorkbookTest, Kr10SheetIsProtectedAndTheCaptionIsTheTitle) {
    WeighingStore store;
    ListingObserver quiet;
    parseKr10Listing(fixture("kr10-three.txt"), store, commaDecimal(), quiet);
    const fs::path path = folder / "Pesagem_LOTE01.xlsx";
    writeWorkbook(kr10SheetPlan(store, commaDecimal()), path.string());

    EXPECT_NE(
        part(path, "docProps/core.xml").find("<dc:title>Arquivo: " + store.S1() + "</dc:title>"),
        std::string::npos);
    EXPECT_NE(part(path, "xl/workbook.xml").find("name=\"LOTE " + store.S1() + "\""),
              std::string::npos);
    const std::string sheet = part(path, "xl/worksheets/sheet1.xml");
    const auto protection = sheet.find("<sheetProtection");
    ASSERT_NE(protection, std::string::npos);
    const std::string element = sheet.substr(protection, sheet.find("/>", protection) - protection);
    for (const char* attribute :
         {"password=\"", "sheet=\"1\"", "objects=\"1\"", "scenarios=\"1\""}) {
        EXPECT_NE(element.find(attribute), std::string::npos) << attribute << " in " << element;
    }
    EXPECT_NE(cellXml(sheet, "A7").find("<t>IDENTIFICAÇÃO</t>"), std::string::npos);
    EXPECT_EQ(cellXml(sheet, "B8"), "<c r=\"B8\"><v>395</v></c>");
}

TEST_F(WorkbookTest, AFailedExportLeavesThePreviousFileAndNoOtherFile) {
    const fs::path path = folder / "lotes.xlsx";
    std::ofstream(path) << "previous";
    SheetPlan sameNames;
    sameNames.sheets.resize(2);
    sameNames.sheets[0].name = "Lote A";
    sameNames.sheets[1].name = "LOTE A"; // the file format refuses a second sheet of that name
    SheetPlan longText;
    longText.sheets.resize(1);
    longText.sheets[0].name = "Lote B";
    longText.sheets[0].cells.push_back({.row = 1, .column = 1, .text = std::string(40000, 'x')});
    for (const SheetPlan* plan : {&sameNames, &longText}) {
        EXPECT_THROW(writeWorkbook(*plan, path.string()), InOutError) << plan->sheets.back().name;
    }

    std::ifstream in(path);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == "previous");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"lotes.xlsx"});
    EXPECT_THROW(writeWorkbook(longText, (folder / "missing" / "lotes.xlsx").string()), InOutError);
}

TEST(WorkbookName, OnlyANameWithoutExtensionGetsXlsx) {
    struct Case {
        std::string_view chosen, written;
    };
    for (const Case c : {Case{"/d/Pesagem_09_12_2025", "/d/Pesagem_09_12_2025.xlsx"},
                         {"/d/lote.xlsx", "/d/lote.xlsx"},
                         {"/d/lote.xls", "/d/lote.xls"},
                         {"/d/lote.TXT", "/d/lote.TXT"},
                         {"/d.old/lote", "/d.old/lote.xlsx"},
                         {"/d/.lote", "/d/.lote.xlsx"},
                         {"lote", "lote.xlsx"}}) {
        EXPECT_EQ(withXlsxExtension(std::string(c.chosen)), c.written);
    }
}

} // namespace
} // namespace vezu
