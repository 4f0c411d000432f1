#include <gtest/gtest.h>

#include "analysis/lot_statistics.hpp"
#include "base/error.hpp"
#include "data/store_writer.hpp"
#include "lot_fixture.hpp"

namespace vezu {
namespace {

struct FiguresCase {
    std::vector<std::int64_t> values;
    std::int64_t total, minimum, maximum;
    double mean, median, deviation;
    std::optional<double> cv;
};

TEST(LotStatistics, FiguresAgainstHandComputedValues) {
    const std::vector<FiguresCase> cases{
        {{300}, 300, 300, 300, 300, 300, 0, 0},                                    // one animal
        {{250, 250, 250, 250}, 1000, 250, 250, 250, 250, 0, 0},                    // equal weights
        {{395, 412, 0}, 807, 0, 412, 269, 395, 233.115851026909, 86.660167667996}, // odd count
        {{400, 300, 320, 310}, 1330, 300, 400, 332.5, 315, 45.734742446707, 13.754809758408},
        {{-5, 7, 10}, 12, -5, 10, 4, 7, 7.937253933194, 198.431348329844}, // negative gains
        {{-2, 2}, 0, -2, 2, 0, 0, 2.828427124746, std::nullopt},           // mean 0: no cv
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const FiguresCase& c = cases[i];
        const auto f = figuresOf(c.values);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->count, c.values.size());
        EXPECT_EQ(f->total, c.total);
        EXPECT_EQ(f->minimum, c.minimum);
        EXPECT_EQ(f->maximum, c.maximum);
        EXPECT_DOUBLE_EQ(f->mean, c.mean);
        EXPECT_DOUBLE_EQ(f->median, c.median);
        EXPECT_NEAR(f->standardDeviation, c.deviation, 1e-9);
        ASSERT_EQ(f->coefficientOfVariation.has_value(), c.cv.has_value());
        if (c.cv) {
            EXPECT_NEAR(*f->coefficientOfVariation, *c.cv, 1e-9);
        }
    }
}

TEST(LotStatistics, EqualValuesHaveNoDeviationAtAll) {
    // 0.1 is not exact in binary; ten-thousandths are.
    const auto f = figuresOf(std::vector<std::int64_t>(7, 1000));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->standardDeviation, 0.0);
    EXPECT_EQ(f->coefficientOfVariation, 0.0);
}

TEST(LotStatistics, NoValuesNoFigures) {
    EXPECT_FALSE(figuresOf({}));
}

TEST(LotStatistics, TotalThatWouldOverflowIsAnError) {
    EXPECT_THROW(figuresOf({INT64_MAX, 1}), MathError);
}

class Kr20Lot : public ::testing::Test {
protected:
    void SetUp() override {
        Table& lot = StoreWriter(store).addLot();
        addAnimal(lot, "A", 395, 120, 1527500); // 152,75
        addAnimal(lot, "B", 412, -5, 5000);     // 0,5
        addAnimal(lot, "C", 0, 10, -25000);     // -2,5
        StoreWriter(store).markRowsLoaded();
    }
    LotView lot() const { return lotsOf(store, ListingModel::Kr20).at(0); }

    WeighingStore store;
};

TEST_F(Kr20Lot, WeightGainAndValueFromTheTable) {
    const LotStatistics s = lotStatistics(lot());
    EXPECT_EQ(s.animals, 3u);
    ASSERT_TRUE(s.peso && s.ganho && s.valor);
    EXPECT_EQ(s.peso->total, 807);
    EXPECT_EQ(s.ganho->total, 125);
    EXPECT_EQ(s.ganho->minimum, -5);
    // Currency is read exactly, in ten-thousandths.
    EXPECT_EQ(s.valor->total, 1507500);
    EXPECT_EQ(s.valor->minimum, -25000);
    EXPECT_DOUBLE_EQ(s.valor->mean, 502500);
    EXPECT_DOUBLE_EQ(s.valor->median, 5000);
    EXPECT_NEAR(s.valor->standardDeviation, 887802.76525814, 1e-6);
}

TEST_F(Kr20Lot, FollowsDeletionsUntilTheLotIsEmpty) {
    Table& table = store.lot(1);
    table.moveTo(0);
    table.deleteCurrent();
    LotStatistics s = lotStatistics(lot());
    EXPECT_EQ(s.animals, 2u);
    ASSERT_TRUE(s.peso);
    EXPECT_EQ(s.peso->total, 412);
    EXPECT_DOUBLE_EQ(s.peso->median, 206);

    table.first();
    table.deleteCurrent();
    table.deleteCurrent();
    s = lotStatistics(lot());
    EXPECT_EQ(s.animals, 0u);
    EXPECT_FALSE(s.peso);
    EXPECT_FALSE(s.ganho);
    EXPECT_FALSE(s.valor);
}

TEST(LotStatisticsKr10, WeightOnly) {
    WeighingStore store;
    addKr10Animal(store, "BR1", 300);
    addKr10Animal(store, "BR2", 310);
    const LotStatistics s = lotStatistics(lotsOf(store, ListingModel::Kr10).at(0));
    EXPECT_EQ(s.animals, 2u);
    ASSERT_TRUE(s.peso);
    EXPECT_DOUBLE_EQ(s.peso->mean, 305);
    EXPECT_FALSE(s.ganho);
    EXPECT_FALSE(s.valor);
}

} // namespace
} // namespace vezu
