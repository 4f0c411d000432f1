#include <gtest/gtest.h>

#include <filesystem>

#include "base/error.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "listing_files.hpp"
#include "recording_observer.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

std::vector<std::string> column(const Table& t, std::size_t field) {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < t.recordCount(); ++r) {
        out.push_back(t.valueText(r, field, commaDecimal()));
    }
    return out;
}

struct Kr10Case {
    const char* fixture;
    std::vector<std::string> ids;
    std::vector<std::string> weights;
    std::vector<std::string> summary; // S1..S6
};

void PrintTo(const Kr10Case& c, std::ostream* out) {
    *out << c.fixture;
}

class Kr10Listings : public ::testing::TestWithParam<Kr10Case> {};

TEST_P(Kr10Listings, FillCDS1AndTheSummary) {
    const Kr10Case& c = GetParam();
    WeighingStore store;
    RecordingObserver observer;
    parseKr10Listing(fixture(c.fixture), store, commaDecimal(), observer);
    EXPECT_EQ(column(store.CDS1(), kr10::ID), c.ids);
    EXPECT_EQ(column(store.CDS1(), kr10::PESO), c.weights);
    EXPECT_EQ((std::vector<std::string>{store.S1(), store.S2(), store.S3(), store.S4(), store.S5(),
                                        store.S6()}),
              c.summary);
    EXPECT_EQ(observer.events, std::vector<std::string>{"page"});
    EXPECT_EQ(observer.beeps, 1);
    EXPECT_EQ(store.Contador(), 1);
    EXPECT_EQ(observer.resets, 1);
    EXPECT_EQ(store.CDS1().recNo(), 0u);
}

const std::vector<std::string> kThreeIds = {"BR5500876", "BR5500877", "BR5500878"};
const std::vector<std::string> kThreeWeights = {"395", "412", "0"};
const std::vector<std::string> kLote01 = {"LOTE01", "05/03/18", "14:30", "25", "9850", "394"};

INSTANTIATE_TEST_SUITE_P(
    Files, Kr10Listings,
    ::testing::Values(Kr10Case{"kr10-three.txt", kThreeIds, kThreeWeights, kLote01},
                      Kr10Case{"kr10-header-last.txt", kThreeIds, kThreeWeights, kLote01},
                      Kr10Case{"kr10-header-only.txt", {}, {}, kLote01},
                      Kr10Case{"kr10-two-headers.txt",
                               {"BR5500876"},
                               {"395"},
                               {"LOTE02", "06/04/19", "08:15", "24", "9850", "410,4"}}));

TEST(Kr10Parser, NumbersEverySerialAndCountsLines) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr10Listing(fixture("kr10-three.txt"), store, commaDecimal(), observer);
    EXPECT_EQ(column(store.CDS1(), kr10::Serial), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(observer.range, 4); // five lines
    EXPECT_EQ(observer.steps, 5);
    EXPECT_EQ(observer.linesAnnounced, 6); // before each line and before the end
}

TEST(Kr10Parser, ReadsOnlyItsLineKindsAndPositions) {
    // Characters outside the fields are ignored; a lower-case i is no item.
    const std::string header = lineWith(
        {{1, " A X"}, {4, "LOTE9"}, {14, "X010203X0405X"}, {27, "   10XX"}, {34, "  1000XXXX"}});
    const std::string item = lineWith({{1, "XIX"}, {4, "ABC"}, {15, "XXXXXX"}, {21, "     7XXXX"}});
    const std::string lowerCase = lineWith({{2, "i"}, {4, "IGNORED"}, {21, "     1"}});
    TemporaryListing listing(header + "\r\n" + lowerCase + "\r\n" + item + "\n" + "junk\r\n");
    WeighingStore store;
    RecordingObserver observer;
    parseKr10Listing(listing.path(), store, commaDecimal(), observer);
    EXPECT_EQ(column(store.CDS1(), kr10::ID), std::vector<std::string>{"ABC"});
    EXPECT_EQ(column(store.CDS1(), kr10::PESO), std::vector<std::string>{"7"});
    EXPECT_EQ((std::vector<std::string>{store.S1(), store.S2(), store.S3(), store.S4(), store.S5(),
                                        store.S6()}),
              (std::vector<std::string>{"LOTE9", "01/02/03", "04:05", "10", "1000", "100"}));
}

TEST(Kr10Parser, SecondListingSeesTheCounterOfTheFirst) {
    WeighingStore store;
    struct : RecordingObserver {
        WeighingStore* store = nullptr;
        std::vector<int> counters;
        void kr10ListingRead() override { counters.push_back(store->Contador()); }
    } observer;
    observer.store = &store;
    parseKr10Listing(fixture("kr10-three.txt"), store, commaDecimal(), observer);
    store.discardKr10();
    parseKr10Listing(fixture("kr10-three.txt"), store, commaDecimal(), observer);
    EXPECT_EQ(observer.counters, (std::vector<int>{0, 1}));
}

struct Kr10Failure {
    const char* fixture;
    const char* message;
    std::size_t recordsLeft;
};

void PrintTo(const Kr10Failure& c, std::ostream* out) {
    *out << (*c.fixture ? c.fixture : "folder");
}

class Kr10Failures : public ::testing::TestWithParam<Kr10Failure> {};

TEST_P(Kr10Failures, StopWithTheErrorAndNoPage) {
    const Kr10Failure& c = GetParam();
    WeighingStore store;
    RecordingObserver observer;
    try {
        parseKr10Listing(fixture(c.fixture), store, commaDecimal(), observer);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(store.CDS1().recordCount(), c.recordsLeft);
    EXPECT_TRUE(observer.events.empty());
    EXPECT_EQ(observer.beeps, 0);
    EXPECT_EQ(store.Contador(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Kr10Failures,
    ::testing::Values(Kr10Failure{"kr10-no-header.txt", "Arquivo inválido !", 0},
                      Kr10Failure{"empty.txt", "Arquivo inválido !", 0},
                      Kr10Failure{"kr10-bad-weight.txt", "'39x5' is not a valid integer value", 1},
                      Kr10Failure{"kr10-zero-animals.txt", "Floating point division by zero", 0},
                      Kr10Failure{"no-such-listing.txt", "File not found", 0},
                      Kr10Failure{"", "File access denied", 0})); // the fixture folder itself

TEST(Kr10Parser, InvalidListingResetsTheProgress) {
    WeighingStore store;
    RecordingObserver observer;
    EXPECT_THROW(parseKr10Listing(fixture("kr10-no-header.txt"), store, commaDecimal(), observer),
                 Error);
    EXPECT_EQ(observer.resets, 1);
    EXPECT_EQ(store.CDS1().recordCount(), 0u);
}

TEST(Kr10Parser, HeaderErrorsNameTheText) {
    struct Case {
        const char* animals;
        const char* gross;
        const char* message;
    };
    for (const Case c :
         {Case{"abc", "100", "'abc' is not a valid floating point value"},
          Case{"abc", "x", "'x' is not a valid floating point value"}, // gross weight first
          Case{"3", "", "'' is not a valid floating point value"},
          Case{"0", "0", "Invalid floating point operation"},
          Case{"1,5", "1.5", "'1.5' is not a valid floating point value"},
          Case{"1E-99", "1E308", "Floating point overflow"}}) {
        TemporaryListing listing(lineWith({{2, "A"}, {4, "L"}, {27, c.animals}, {34, c.gross}}) +
                                 "\r\n");
        WeighingStore store;
        RecordingObserver observer;
        try {
            parseKr10Listing(listing.path(), store, commaDecimal(), observer);
            ADD_FAILURE() << c.animals << " " << c.gross;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message) << c.animals << " " << c.gross;
        }
    }
}

TEST(Kr10Parser, NothingOfAnEarlierListingLeaksIntoTheSummary) {
    WeighingStore store;
    RecordingObserver observer;
    parseKr20Listing(fixture("kr20-two-lots.txt"), store, observer);
    TemporaryListing listing(lineWith({{2, "A"}, {4, "L"}, {27, "abc"}, {34, "100"}}) + "\r\n");
    EXPECT_THROW(parseKr10Listing(listing.path(), store, commaDecimal(), observer), ConvertError);
    EXPECT_EQ((std::vector<std::string>{store.S1(), store.S4(), store.S6()}),
              (std::vector<std::string>{"L", "abc", ""}));
}

TEST(Kr10Parser, AverageUsesTheLocaleAndThePattern) {
    TemporaryListing listing(lineWith({{2, "A"}, {27, "3"}, {34, "1000"}}) + "\r\n");
    WeighingStore store;
    RecordingObserver observer;
    parseKr10Listing(listing.path(), store, commaDecimal(), observer);
    EXPECT_EQ(store.S6(), "333,3");
    parseKr10Listing(listing.path(), store, FormatSettings{}, observer);
    EXPECT_EQ(store.S6(), "333.3");
}

} // namespace
} // namespace vezu
