#include <gtest/gtest.h>

#include "data/weighing_store.hpp"

namespace vezu {
namespace {

void addRow(Table& t) {
    t.append();
    t.setText(kr20::ID, "x");
    t.post();
}

TEST(WeighingStore, StartsEmpty) {
    WeighingStore store;
    EXPECT_EQ(store.C, 0);
    EXPECT_FALSE(store.B);
    EXPECT_EQ(store.Contador, 0);
    EXPECT_EQ(store.CDS1().objectName(), "CDS1");
    EXPECT_EQ(store.CDS1().recordCount(), 0u);
    EXPECT_FALSE(store.hasKr10Data());
    EXPECT_FALSE(store.hasKr20Data());
}

TEST(WeighingStore, LotsAreNumberedFromOneAgainAfterADiscard) {
    WeighingStore store;
    for (int i = 0; i < 3; ++i) {
        addRow(store.addLot());
    }
    store.B = true;
    store.Contador = 2;
    EXPECT_EQ(store.lot(3).objectName(), "CDC3");
    store.discardKr20();
    EXPECT_EQ(store.C, 0);
    EXPECT_FALSE(store.B);
    EXPECT_EQ(store.Contador, 2);
    EXPECT_EQ(store.addLot().objectName(), "CDC1");
    EXPECT_EQ(store.lot(1).recordCount(), 0u);
}

TEST(WeighingStore, HoldsMoreThanNinetyNineLots) {
    WeighingStore store;
    for (int i = 0; i < 150; ++i) {
        addRow(store.addLot());
    }
    EXPECT_EQ(store.C, 150);
    EXPECT_EQ(store.lot(150).objectName(), "CDC150");
    EXPECT_EQ(store.lot(150).recordCount(), 1u);
}

TEST(WeighingStore, EachDiscardLeavesTheOtherModelAlone) {
    WeighingStore store;
    store.CDS1().append();
    store.CDS1().post();
    addRow(store.addLot());
    store.B = true;
    store.discardKr10();
    EXPECT_EQ(store.CDS1().recordCount(), 0u);
    EXPECT_TRUE(store.hasKr20Data());
    store.CDS1().append();
    store.CDS1().post();
    store.discardKr20();
    EXPECT_TRUE(store.hasKr10Data());
}

} // namespace
} // namespace vezu
