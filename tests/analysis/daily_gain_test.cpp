#include <gtest/gtest.h>

#include "analysis/daily_gain.hpp"
#include "data/store_writer.hpp"
#include "lot_fixture.hpp"

namespace vezu {
namespace {

// The loaded KR-20 listing (two lots) and an earlier KR-10 one, 20 days before.
class TwoWeighings : public ::testing::Test {
protected:
    void SetUp() override {
        StoreWriter(earlier).S2() = "15/02/18";
        addKr10Animal(earlier, "BR1", 300);
        addKr10Animal(earlier, "BR2", 400);
        addKr10Animal(earlier, "br3", 200);
        addKr10Animal(earlier, "BR1", 999); // a repeated tag: the first row counts
        addKr10Animal(earlier, "", 100);

        Table& one = StoreWriter(current).addLot();
        addAnimal(one, "BR1", 320, 0, 0, "MACHOS", "07/03/18");
        addAnimal(one, "BR2", 390, 0, 0, "MACHOS", "07/03/18"); // lost weight
        addAnimal(one, "BR3", 250, 0, 0, "MACHOS", "07/03/18"); // case differs: no match
        addAnimal(one, "", 150, 0, 0, "MACHOS", "07/03/18");    // no tag: no match
        Table& two = StoreWriter(current).addLot();
        addAnimal(two, "BR1", 330, 0, 0, "FÊMEAS", "15/02/18"); // same day
        addAnimal(two, "BR2", 410, 0, 0, "FÊMEAS", "  06/03/"); // date does not read
        StoreWriter(current).markRowsLoaded();
    }
    std::vector<LotGain> compare() const {
        const EarlierWeighing before(earlier, ListingModel::Kr10);
        std::vector<LotGain> lots;
        for (const LotView& lot : lotsOf(current, ListingModel::Kr20)) {
            lots.push_back(compareLot(lot, before));
        }
        return lots;
    }

    WeighingStore current;
    WeighingStore earlier;
};

TEST_F(TwoWeighings, GainDaysAndGmdPerAnimal) {
    const auto lots = compare();
    ASSERT_EQ(lots.size(), 2u);
    const auto& a = lots[0].animals;
    ASSERT_EQ(a.size(), 4u);
    EXPECT_TRUE(a[0].matched);
    EXPECT_EQ(a[0].earlierWeight, 300);
    EXPECT_EQ(a[0].gain, 20);
    EXPECT_EQ(a[0].days, 20);
    EXPECT_EQ(a[0].gmd, 1.0);
    EXPECT_EQ(a[1].gain, -10);
    EXPECT_EQ(a[1].gmd, -0.5);
    EXPECT_EQ(lots[0].matched, 2u);
    EXPECT_EQ(lots[0].meanGmd, 0.25);
    for (std::size_t i : {2u, 3u}) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(a[i].matched);
        EXPECT_FALSE(a[i].earlierWeight || a[i].gain || a[i].days || a[i].gmd);
        EXPECT_EQ(a[i].weight, i == 2 ? 250 : 150);
    }
}

TEST_F(TwoWeighings, NoGmdWithoutDaysBetween) {
    const auto lots = compare();
    const auto& b = lots[1].animals;
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].gain, 30);
    EXPECT_EQ(b[0].days, 0);
    EXPECT_FALSE(b[0].gmd);
    EXPECT_TRUE(b[1].matched);
    EXPECT_EQ(b[1].gain, 10);
    EXPECT_FALSE(b[1].days);
    EXPECT_FALSE(b[1].gmd);
    EXPECT_EQ(lots[1].matched, 2u);
    EXPECT_FALSE(lots[1].meanGmd);
}

TEST_F(TwoWeighings, EarlierKr20LotsAreSearchedWithTheirOwnDates) {
    // The roles swapped: the KR-10 listing is loaded, the lots are the earlier weighing.
    const EarlierWeighing before(current, ListingModel::Kr20);
    StoreWriter(earlier).S2() = "17/03/18";
    const LotGain gain = compareLot(lotsOf(earlier, ListingModel::Kr10).at(0), before);
    ASSERT_EQ(gain.animals.size(), 5u);
    EXPECT_EQ(gain.animals[0].earlierWeight, 320); // lot 1 comes first
    EXPECT_EQ(gain.animals[0].days, 10);
    EXPECT_EQ(gain.animals[0].gmd, -2.0);
    EXPECT_EQ(gain.animals[1].days, 10);
    EXPECT_FALSE(gain.animals[2].matched);
    EXPECT_EQ(gain.animals[3].earlierWeight, 320);
    EXPECT_EQ(gain.matched, 3u);
}

} // namespace
} // namespace vezu
