#include <gtest/gtest.h>

#include <algorithm>

#include "base/error.hpp"
#include "import/kr20_parser.hpp"
#include "listing_files.hpp"
#include "recording_observer.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

// One row of a lot table as its value texts, "|"-joined.
std::string row(const Table& t, std::size_t r, const FormatSettings& fs = commaDecimal()) {
    std::string out;
    for (std::size_t f = 0; f < t.fieldCount(); ++f) {
        out += (f ? "|" : "") + t.valueText(r, f, fs);
    }
    return out;
}

std::vector<std::string> rows(const Table& t) {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < t.recordCount(); ++r) {
        out.push_back(row(t, r));
    }
    return out;
}

TEST(Kr20Parser, ReadsLotsRowsAndSummaries) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, observer);
    ASSERT_EQ(store.C(), 2);
    EXPECT_TRUE(store.B());
    EXPECT_EQ(store.Contador(), 1);
    EXPECT_EQ(observer.beeps, 1);
    EXPECT_EQ(observer.events,
              (std::vector<std::string>{"lot 1", "summary 1", "lot 2", "summary 2"}));
    EXPECT_EQ(store.lot(1).objectName(), "CDC1");
    EXPECT_EQ(store.lot(2).objectName(), "CDC2");
    // Each summary line follows its rows, and the rows carry it.
    EXPECT_EQ(rows(store.lot(1)),
              (std::vector<std::string>{
                  "BR5500876|395|120|152,75|A1|B2|C3|MACHOS|05/03/18|14:30|2|395.0|790.0",
                  "BR5500877|395|98|0,5||||MACHOS|05/03/18|14:30|2|395.0|790.0",
              }));
    EXPECT_EQ(rows(store.lot(2)),
              (std::vector<std::string>{
                  "0012345|300|10|1500,25|X|||FÊMEAS|06/03/18|09:05|3|310.0|930.0",
                  "BR77|310|-5|-2,5|||Z9|FÊMEAS|06/03/18|09:05|3|310.0|930.0",
                  "BR78|320|7|100||||FÊMEAS|06/03/18|09:05|3|310.0|930.0",
              }));
    EXPECT_EQ((std::vector<std::string>{store.S1(), store.S2(), store.S3(), store.S4(), store.S5(),
                                        store.S6()}),
              (std::vector<std::string>{"FÊMEAS", "06/03/18", "09:05", "3", "310.0", "930.0"}));
    EXPECT_EQ(lotSummaryText(store),
              "ARQUIVO: FÊMEAS     DATA: 06/03/18     HORA: 09:05     QUANTIDADE: 3"
              "     PESO MÉDIO: 310.0     PESO BRUTO: 930.0");
}

TEST(Kr20Parser, EverySkippedLineStillAdvancesTheProgress) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, observer);
    EXPECT_EQ(observer.range, 15); // sixteen lines
    EXPECT_EQ(observer.steps, 16);
    EXPECT_EQ(observer.resets, 1);
}

TEST(Kr20Parser, ValuesDoNotDependOnTheLocale) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, observer);
    EXPECT_EQ(store.lot(1).valueText(0, kr20::VALOR, FormatSettings{}), "152.75");
    EXPECT_EQ(store.lot(1).currency(0, kr20::VALOR).tenThousandths, 1527500);
}

// QUANTIDADE|MEDIO|BRUTO of every row, lot by lot.
std::vector<std::string> rowSummaries(const WeighingStore& store) {
    std::vector<std::string> out;
    for (std::int32_t n = 1; n <= store.C(); ++n) {
        const Table& t = store.lot(n);
        for (std::size_t r = 0; r < t.recordCount(); ++r) {
            out.push_back(std::to_string(n) + ":" + std::string(t.text(r, kr20::QUANTIDADE)) + "|" +
                          std::string(t.text(r, kr20::MEDIO)) + "|" +
                          std::string(t.text(r, kr20::BRUTO)));
        }
    }
    return out;
}

std::string lotLine(const char* name) {
    return lineWith({{1, "|LOTE:"}, {8, name}, {30, "01/01/20"}});
}
std::string summaryLine(const char* count) {
    return lineWith({{1, "|QTD.:"},
                     {10, count},
                     {30, std::string(count) + ".5"},
                     {53, std::string(count) + "0"}});
}
std::string animalRow(const char* id) {
    return lineWith({{1, "|"}, {4, id}, {34, "1"}, {64, "1"}, {77, "1"}});
}

TEST(Kr20Parser, EachLotCarriesItsOwnSummaryWhereverItStands) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"summary after the rows",
         {lotLine("A"), animalRow("a1"), animalRow("a2"), summaryLine("2"), lotLine("B"),
          animalRow("b1"), summaryLine("1")},
         {"1:2|2.5|20", "1:2|2.5|20", "2:1|1.5|10"}},
        {"summary after the lot line, as before",
         {lotLine("A"), summaryLine("2"), animalRow("a1"), animalRow("a2"), lotLine("B"),
          summaryLine("1"), animalRow("b1")},
         {"1:2|2.5|20", "1:2|2.5|20", "2:1|1.5|10"}},
        {"summary between the rows",
         {lotLine("A"), animalRow("a1"), summaryLine("2"), animalRow("a2")},
         {"1:2|2.5|20", "1:2|2.5|20"}},
        {"two summaries: the later holds",
         {lotLine("A"), summaryLine("7"), animalRow("a1"), summaryLine("2"), animalRow("a2")},
         {"1:2|2.5|20", "1:2|2.5|20"}},
        {"a lot without a summary carries empty texts",
         {lotLine("A"), animalRow("a1"), summaryLine("2"), lotLine("B"), animalRow("b1")},
         {"1:2|2.5|20", "2:||"}},
    };
    for (const Case& c : cases) {
        std::string bytes;
        for (const std::string& line : c.lines) {
            bytes += line + "\r\n";
        }
        TemporaryListing listing(bytes);
        WeighingStore store;
        RecordingObserver observer;
        parseKr20Listing(listing.path(), store, observer);
        EXPECT_EQ(rowSummaries(store), c.expected) << c.name;
    }
}

TEST(Kr20Parser, SummaryStringsStartEmptyAtEveryParse) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, observer);
    store.discardKr20();
    parseKr20Listing(fixture("kr20-short-lot-line.txt"), store, observer); // no summary line
    EXPECT_EQ((std::vector<std::string>{store.S4(), store.S5(), store.S6()}),
              (std::vector<std::string>{"", "", ""}));
    store.discardKr20();
    parseKr20Listing(fixture("kr20-summary-after.txt"), store, observer);
    EXPECT_EQ(rowSummaries(store),
              (std::vector<std::string>{"1:1|100.0|100.0", "2:1|200.0|200.0"}));
    EXPECT_EQ(store.Contador(), 3);
}

TEST(Kr20Parser, TheExampleListingGivesEachLotItsOwnSummary) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(std::string(VEZU_EXAMPLES) + "/kr20-listing.txt", store, observer);
    ASSERT_EQ(store.C(), 3);
    const std::vector<std::string> all = rowSummaries(store);
    EXPECT_EQ(std::count(all.begin(), all.end(), "1:5|467.2|2336.0"), 5);
    EXPECT_EQ(std::count(all.begin(), all.end(), "2:4|322.8|1291.0"), 4);
    EXPECT_EQ(std::count(all.begin(), all.end(), "3:3|238.3|715.0"), 3);
    EXPECT_EQ(store.lot(2).text(0, kr20::ARQUIVO), "NOVILHAS");
}

TEST(Kr20Parser, EveryLotShowsItsFirstRecordAfterTheParse) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, observer);
    EXPECT_EQ(store.lot(1).recNo(), 0u);
    EXPECT_EQ(store.lot(2).recNo(), 0u);
}

TEST(Kr20Parser, ListingsWithoutRowsStillCount) {
    struct Case {
        const char* fixture;
        std::int32_t lots;
    };
    for (const Case c :
         {Case{"kr20-no-lots.txt", 0}, Case{"empty.txt", 0}, Case{"kr20-short-lot-line.txt", 1}}) {
        WeighingStore store;
        RecordingObserver observer;
        parseKr20Listing(fixture(c.fixture), store, observer);
        EXPECT_EQ(store.C(), c.lots) << c.fixture;
        EXPECT_FALSE(store.B()) << c.fixture;
        EXPECT_EQ(store.Contador(), 1) << c.fixture;
        EXPECT_EQ(observer.beeps, 1) << c.fixture;
    }
}

TEST(Kr20Parser, ShortLotLineGivesWhatIsThere) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-short-lot-line.txt"), store, observer);
    EXPECT_EQ(store.S1(), "CURTO");
    EXPECT_EQ(store.S2(), "01/02");
    EXPECT_EQ(store.S3(), "");
}

TEST(Kr20Parser, ASecondSummaryLineReplacesTheFirst) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-summaries.txt"), store, observer);
    EXPECT_EQ(observer.events, (std::vector<std::string>{"lot 1", "summary 1", "summary 1"}));
    EXPECT_EQ(store.S4(), "9");
}

TEST(Kr20Parser, LineFeedOnlyFilesRead) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-lf-only.txt"), store, observer);
    EXPECT_EQ(rows(store.lot(1)), std::vector<std::string>{"A|100|1|1||||LF|01/01/20|10:00|||"});
}

TEST(Kr20Parser, ANewParseStartsAtLotOneOverLeftoverLots) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-short-lot-line.txt"), store, observer); // a lot without rows
    parseKr20Listing(fixture("kr20-lf-only.txt"), store, observer);
    EXPECT_EQ(store.C(), 1);
    EXPECT_EQ(store.lot(1).objectName(), "CDC1");
    EXPECT_EQ(store.lot(1).recordCount(), 1u);
}

struct Kr20Failure {
    const char* fixture;
    const char* message;
    std::int32_t lots;
    bool rowsBegun;
    std::size_t recordsOfLastLot;
};

void PrintTo(const Kr20Failure& c, std::ostream* out) {
    *out << c.fixture;
}

class Kr20Failures : public ::testing::TestWithParam<Kr20Failure> {};

TEST_P(Kr20Failures, StopAndKeepWhatWasBuilt) {
    const Kr20Failure& c = GetParam();
    WeighingStore store;
    RecordingObserver observer;
    try {
        parseKr20Listing(fixture(c.fixture), store, observer);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(store.C(), c.lots);
    EXPECT_EQ(store.B(), c.rowsBegun);
    if (c.lots > 0) {
        EXPECT_EQ(store.lot(c.lots).recordCount(), c.recordsOfLastLot);
    }
    EXPECT_EQ(store.Contador(), 0);
    EXPECT_EQ(observer.beeps, 0);
    EXPECT_EQ(observer.resets, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Kr20Failures,
    ::testing::Values(Kr20Failure{"kr20-row-before-lot.txt", "Arquivo inválido !", 0, false, 0},
                      Kr20Failure{"kr20-summary-before-lot.txt", "Arquivo inválido !", 0, false, 0},
                      Kr20Failure{"kr20-comma-value.txt",
                                  "'1.5' is not a valid floating point value", 1, true, 1},
                      Kr20Failure{"kr20-bad-weight.txt", "'-----' is not a valid integer value", 1,
                                  true, 1},
                      Kr20Failure{"no-such-listing.txt", "File not found", 0, false, 0}));

TEST(Kr20Parser, FieldErrorsComeInFieldOrder) {
    const std::string lot = lineWith({{1, "|LOTE:"}, {8, "L"}}) + "\r\n";
    struct Case {
        std::string row;
        const char* message;
    };
    for (const Case& c :
         {Case{lineWith({{1, "|"}, {30, "x"}, {60, "y"}, {68, "z"}}),
               "'x' is not a valid integer value"},
          Case{lineWith({{1, "|"}, {30, "1"}, {60, "y"}, {68, "z"}}),
               "'y' is not a valid integer value"},
          Case{lineWith({{1, "|"}, {30, "1"}, {60, "2"}, {68, "1.5.3"}}),
               "'1,5,3' is not a valid floating point value"},
          Case{lineWith({{1, "|"}, {30, "1"}, {60, "2"}}),
               "'' is not a valid floating point value"},
          Case{lineWith({{1, "|"}, {30, "99999"}}), "'' is not a valid integer value"}}) {
        TemporaryListing listing(lot + c.row + "\r\n");
        WeighingStore store;
        RecordingObserver observer;
        try {
            parseKr20Listing(listing.path(), store, observer);
            ADD_FAILURE() << c.row;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message) << c.row;
        }
        EXPECT_EQ(store.lot(1).recordCount(), 0u);
    }
}

} // namespace
} // namespace vezu
