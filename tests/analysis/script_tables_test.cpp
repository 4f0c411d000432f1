#include <gtest/gtest.h>

#include "analysis/earlier_listing.hpp"
#include "analysis/script_tables.hpp"
#include "base/error.hpp"
#include "data/store_writer.hpp"
#include "import/listing_files.hpp"
#include "lot_fixture.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

std::unique_ptr<WeighingStore> read(const std::string& path, ListingModel model) {
    return readEarlierListing(path, model, commaDecimal());
}

std::string kr10Listing(const std::string& date,
                        std::initializer_list<std::pair<std::string, std::string>> animals) {
    std::string text =
        lineWith({{1, " A"}, {4, "ANTES"}, {15, date}, {22, "1000"}, {27, "3"}, {34, "1000"}}) +
        "\r\n";
    for (const auto& [id, weight] : animals) {
        text += lineWith({{1, " I"}, {4, id}, {27 - weight.size(), weight}}) + "\r\n";
    }
    return text;
}

TEST(ScriptTables, StatsOneLinePerLot) {
    const auto kr10 = read(fixture("kr10-three.txt"), ListingModel::Kr10);
    EXPECT_EQ(statsTable(*kr10, ListingModel::Kr10),
              "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n"
              "1\tLOTE01\t3\t807\t269.0\t395.0\t0\t412\t233.1\t86.7\n");
    const auto kr20 = read(fixture("kr20-two-lots.txt"), ListingModel::Kr20);
    EXPECT_EQ(statsTable(*kr20, ListingModel::Kr20),
              "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n"
              "1\tMACHOS\t2\t790\t395.0\t395.0\t395\t395\t0.0\t0.0\n"
              "2\tFÊMEAS\t3\t930\t310.0\t310.0\t300\t320\t10.0\t3.2\n");
}

TEST(ScriptTables, StatsOfLotsWithoutAnimals) {
    auto kr20 = read(fixture("kr20-two-lots.txt"), ListingModel::Kr20);
    kr20->lot(1).empty(); // every animal deleted
    EXPECT_EQ(statsTable(*kr20, ListingModel::Kr20),
              "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n"
              "1\t\t0\t\t\t\t\t\t\t\n"
              "2\tFÊMEAS\t3\t930\t310.0\t310.0\t300\t320\t10.0\t3.2\n");
    const WeighingStore nothing;
    EXPECT_EQ(statsTable(nothing, ListingModel::Kr10),
              "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n"
              "1\t\t0\t\t\t\t\t\t\t\n");
    EXPECT_EQ(statsTable(nothing, ListingModel::Kr20),
              "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n");
}

TEST(ScriptTables, TextsStayInTheirColumn) {
    WeighingStore store;
    Table& lot = StoreWriter(store).addLot();
    addAnimal(lot, "A\tB", -1, 0, 0, "LOTE\t1\r\n");
    EXPECT_EQ(statsTable(store, ListingModel::Kr20),
              "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n"
              "1\tLOTE 1  \t1\t-1\t-1.0\t-1.0\t-1\t-1\t0.0\t0.0\n");
    const WeighingStore none;
    EXPECT_EQ(compareTable(store, ListingModel::Kr20, none, ListingModel::Kr10),
              "id\tpeso_anterior\tpeso_atual\tganho\tdias\tgmd\nA B\t\t-1\t\t\t\n");
}

TEST(ScriptTables, Classes) {
    const auto kr20 = read(fixture("kr20-two-lots.txt"), ListingModel::Kr20);
    EXPECT_EQ(classesTable(*kr20, ListingModel::Kr20, 25), "lote\tde\tate\tanimais\tpercentual\n"
                                                           "1\t375\t400\t2\t100.0\n"
                                                           "2\t300\t325\t3\t100.0\n");
    EXPECT_EQ(classesTable(*kr20, ListingModel::Kr20, 10), "lote\tde\tate\tanimais\tpercentual\n"
                                                           "1\t390\t400\t2\t100.0\n"
                                                           "2\t300\t310\t1\t33.3\n"
                                                           "2\t310\t320\t1\t33.3\n"
                                                           "2\t320\t330\t1\t33.3\n");
    const auto kr10 = read(fixture("kr10-three.txt"), ListingModel::Kr10);
    EXPECT_EQ(classesTable(*kr10, ListingModel::Kr10, 200), "lote\tde\tate\tanimais\tpercentual\n"
                                                            "1\t0\t200\t1\t33.3\n"
                                                            "1\t200\t400\t1\t33.3\n"
                                                            "1\t400\t600\t1\t33.3\n");
    EXPECT_THROW(classesTable(*kr10, ListingModel::Kr10, 0), Error);
}

TEST(ScriptTables, CompareWithAnEarlierListingOfTheOtherModel) {
    const auto current = read(fixture("kr20-two-lots.txt"), ListingModel::Kr20);
    const std::vector<std::pair<std::string, std::string>> cases{
        {"150218", "id\tpeso_anterior\tpeso_atual\tganho\tdias\tgmd\n"
                   "BR5500876\t375\t395\t20\t18\t1.111\n"
                   "BR5500877\t400\t395\t-5\t18\t-0.278\n"
                   "0012345\t\t300\t\t\t\n"
                   "BR77\t330\t310\t-20\t19\t-1.053\n"
                   "BR78\t\t320\t\t\t\n"},
        // The earlier date does not read: nothing on the earlier side.
        {"991318", "id\tpeso_anterior\tpeso_atual\tganho\tdias\tgmd\n"
                   "BR5500876\t\t395\t\t\t\n"
                   "BR5500877\t\t395\t\t\t\n"
                   "0012345\t\t300\t\t\t\n"
                   "BR77\t\t310\t\t\t\n"
                   "BR78\t\t320\t\t\t\n"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const TemporaryListing listing(kr10Listing(
            cases[i].first, {{"BR5500876", "375"}, {"BR77", "330"}, {"BR5500877", "400"}}));
        const auto earlier = read(listing.path(), ListingModel::Kr10);
        EXPECT_EQ(compareTable(*current, ListingModel::Kr20, *earlier, ListingModel::Kr10),
                  cases[i].second);
    }
}

TEST(ScriptTables, ModelOfAnEarlierListing) {
    EXPECT_EQ(guessListingModel(fixture("kr20-two-lots.txt")), ListingModel::Kr20);
    EXPECT_EQ(guessListingModel(fixture("kr10-three.txt")), ListingModel::Kr10);
    EXPECT_EQ(guessListingModel(fixture("empty.txt")), ListingModel::Kr10);
    EXPECT_THROW(guessListingModel(fixture("missing.txt")), Error);
}

TEST(ScriptTables, EarlierListingErrorsAreTheParsers) {
    EXPECT_THROW(read(fixture("missing.txt"), ListingModel::Kr20), Error);
    EXPECT_THROW(read(fixture("kr10-no-header.txt"), ListingModel::Kr10), Error);
    EXPECT_THROW(read(fixture("kr20-bad-weight.txt"), ListingModel::Kr20), ConvertError);
}

} // namespace
} // namespace vezu
