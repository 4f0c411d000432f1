#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/store_writer.hpp"
#include "data/weighing_store.hpp"

namespace vezu {
namespace {

void addRow(Table& t) {
    t.append();
    t.setText(kr20::ID, "x");
    t.post();
}

// Notes what the store and one lot table told, in order.
struct Recorder : StoreListener, TableListener {
    WeighingStore* store = nullptr;
    std::vector<std::string> events;

    void lotAdded(std::int32_t n) override { events.push_back("added " + std::to_string(n)); }
    void lotAboutToGo(std::int32_t n) override {
        // Still whole while announced.
        events.push_back("going " + std::to_string(n) + " rows " +
                         std::to_string(store->lot(n).recordCount()));
    }
    void tableDestroyed() override { events.push_back("destroyed"); }
};

TEST(WeighingStore, StartsEmpty) {
    WeighingStore store;
    EXPECT_EQ(store.C(), 0);
    EXPECT_FALSE(store.B());
    EXPECT_EQ(store.Contador(), 0);
    for (const std::string* s :
         {&store.S1(), &store.S2(), &store.S3(), &store.S4(), &store.S5(), &store.S6()}) {
        EXPECT_EQ(*s, "");
    }
    EXPECT_EQ(store.CDS1().objectName(), "CDS1");
    EXPECT_EQ(store.CDS1().recordCount(), 0u);
    EXPECT_FALSE(store.hasKr10Data());
    EXPECT_FALSE(store.hasKr20Data());
}

TEST(WeighingStore, LotsAreNumberedFromOneAgainAfterADiscard) {
    WeighingStore store;
    StoreWriter writer(store);
    for (int i = 0; i < 3; ++i) {
        addRow(writer.addLot());
    }
    writer.markRowsLoaded();
    writer.countListing();
    writer.countListing();
    EXPECT_EQ(store.lot(3).objectName(), "CDC3");
    store.discardKr20();
    EXPECT_EQ(store.C(), 0);
    EXPECT_FALSE(store.B());
    EXPECT_EQ(store.Contador(), 2);
    EXPECT_EQ(writer.addLot().objectName(), "CDC1");
    EXPECT_EQ(store.lot(1).recordCount(), 0u);
}

TEST(WeighingStore, HoldsMoreThanNinetyNineLots) {
    WeighingStore store;
    for (int i = 0; i < 150; ++i) {
        addRow(StoreWriter(store).addLot());
    }
    EXPECT_EQ(store.C(), 150);
    EXPECT_EQ(store.lot(150).objectName(), "CDC150");
    EXPECT_EQ(store.lot(150).recordCount(), 1u);
    EXPECT_THROW(store.lot(151), std::out_of_range);
    EXPECT_THROW(store.lot(0), std::out_of_range);
}

TEST(WeighingStore, EachDiscardLeavesTheOtherModelAlone) {
    WeighingStore store;
    store.CDS1().append();
    store.CDS1().post();
    addRow(StoreWriter(store).addLot());
    StoreWriter(store).markRowsLoaded();
    store.discardKr10();
    EXPECT_EQ(store.CDS1().recordCount(), 0u);
    EXPECT_TRUE(store.hasKr20Data());
    store.CDS1().append();
    store.CDS1().post();
    store.discardKr20();
    EXPECT_TRUE(store.hasKr10Data());
}

TEST(WeighingStore, AnnouncesEachLotBeforeItsTableGoes) {
    Recorder recorder;
    {
        WeighingStore store;
        recorder.store = &store;
        store.addListener(recorder);
        StoreWriter writer(store);
        addRow(writer.addLot());
        writer.addLot().addListener(recorder);
        store.discardKr20();
        EXPECT_EQ(recorder.events, (std::vector<std::string>{"added 1", "added 2", "going 1 rows 1",
                                                             "going 2 rows 0", "destroyed"}));
        recorder.events.clear();
        addRow(writer.addLot());
    }
    // A store that goes takes its lots the same way.
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"added 1", "going 1 rows 1"}));
}

TEST(WeighingStore, SummaryStringsChangeOnlyThroughTheWriter) {
    WeighingStore store;
    StoreWriter writer(store);
    writer.S1() = "L";
    writer.S6() = "9";
    EXPECT_EQ(store.S1(), "L");
    EXPECT_EQ(store.S6(), "9");
    store.discardKr20();
    EXPECT_EQ(store.S1(), "L"); // the discard steps leave them
    writer.clearSummary();
    EXPECT_EQ(store.S1() + store.S6(), "");
}

} // namespace
} // namespace vezu
