#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/error.hpp"
#include "data/weighing_store.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

void addKr10(Table& t, std::string_view id, std::int32_t weight) {
    t.append();
    t.setText(kr10::ID, id);
    t.setInteger(kr10::PESO, weight);
    t.post();
}

std::vector<std::string> ids(const Table& t, std::size_t field) {
    std::vector<std::string> out;
    for (std::size_t r = 0; r < t.recordCount(); ++r) {
        out.emplace_back(t.text(r, field));
    }
    return out;
}

TEST(Table, HasTheFieldsInDefinitionOrder) {
    auto t = makeLotTable(3);
    EXPECT_EQ(t->objectName(), "CDC3");
    ASSERT_EQ(t->fieldCount(), 13u);
    const char* names[] = {"ID",      "PESO", "GANHO", "VALOR",      "CC1",   "CC2",  "CC3",
                           "ARQUIVO", "DATA", "HORA",  "QUANTIDADE", "MEDIO", "BRUTO"};
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(t->field(i).name, names[i]);
        EXPECT_EQ(t->fieldIndex(names[i]), i);
    }
    EXPECT_FALSE(t->findField("id").has_value());
    EXPECT_THROW(t->fieldIndex("NOPE"), Error);
}

TEST(Table, PostStoresAtTheEndWithTheNextSerial) {
    auto t = makeKr10Table();
    addKr10(*t, "A", 1);
    addKr10(*t, "B", -2);
    ASSERT_EQ(t->recordCount(), 2u);
    EXPECT_EQ(t->recNo(), 1u);
    const FormatSettings fs = commaDecimal();
    EXPECT_EQ(t->valueText(0, kr10::Serial, fs), "1");
    EXPECT_EQ(t->valueText(1, kr10::Serial, fs), "2");
    EXPECT_EQ(t->valueText(1, kr10::PESO, fs), "-2");
    // Fields never set are null and read as empty text.
    for (auto f : {kr10::CC1, kr10::Ganho, kr10::Valor}) {
        EXPECT_TRUE(t->isNull(0, f));
        EXPECT_EQ(t->valueText(0, f, fs), "");
    }
}

TEST(Table, AnAbandonedAppendStoresNothing) {
    auto t = makeKr10Table();
    t->append();
    t->setText(kr10::ID, "half");
    t->cancel();
    addKr10(*t, "whole", 5);
    t->append();
    t->append(); // a new append drops the unposted one
    t->setInteger(kr10::PESO, 9);
    t->post();
    ASSERT_EQ(t->recordCount(), 2u);
    EXPECT_EQ(t->text(0, kr10::ID), "whole");
    EXPECT_TRUE(t->isNull(1, kr10::ID));
    EXPECT_THROW(t->setText(kr10::ID, "x"), Error); // not appending
}

TEST(Table, RefusesValuesOfTheWrongType) {
    auto t = makeKr10Table();
    t->append();
    EXPECT_THROW(t->setText(kr10::PESO, "1"), Error);
    EXPECT_THROW(t->setInteger(kr10::ID, 1), Error);
    EXPECT_THROW(t->setCurrency(kr10::PESO, Currency{1}), Error);
}

TEST(Table, CurrencyValueTextIsTheGeneralForm) {
    auto t = makeLotTable(1);
    for (std::int64_t v : {15002500LL, 125000LL, 0LL, -5000LL}) {
        t->append();
        t->setCurrency(kr20::VALOR, Currency{v});
        t->post();
    }
    const FormatSettings fs = commaDecimal();
    EXPECT_EQ(t->valueText(0, kr20::VALOR, fs), "1500,25");
    EXPECT_EQ(t->valueText(1, kr20::VALOR, fs), "12,5");
    EXPECT_EQ(t->valueText(2, kr20::VALOR, fs), "0");
    EXPECT_EQ(t->valueText(3, kr20::VALOR, fs), "-0,5");
}

TEST(Table, TextIsCutToTheFieldSizeInCharacters) {
    auto t = makeLotTable(1);
    t->append();
    t->setText(kr20::CC1, "ÉÉÉÉÉÉÉÉÉÉÉÉ"); // 12 characters into text(10)
    t->post();
    EXPECT_EQ(t->text(0, kr20::CC1), "ÉÉÉÉÉÉÉÉÉÉ");
}

TEST(Table, RepeatedTextsKeepTheirOwnValues) {
    auto t = makeLotTable(1);
    for (std::string_view v : {"L1", "L1", "", "L1", "L2", "L2"}) {
        t->append();
        t->setText(kr20::ARQUIVO, v);
        t->post();
    }
    t->moveTo(1);
    t->deleteCurrent();
    EXPECT_EQ(ids(*t, kr20::ARQUIVO), (std::vector<std::string>{"L1", "", "L1", "L2", "L2"}));
    EXPECT_FALSE(t->isNull(1, kr20::ARQUIVO));
}

TEST(Table, CursorWalksInStoringOrder) {
    auto t = makeKr10Table();
    for (int i = 0; i < 3; ++i) {
        addKr10(*t, std::to_string(i), i);
    }
    std::string seen;
    for (t->first(); !t->eof(); t->next()) {
        seen += t->text(t->recNo(), kr10::ID);
    }
    EXPECT_EQ(seen, "012");
    t->next();
    EXPECT_TRUE(t->eof());
}

TEST(Table, DeleteCurrentMakesTheNextCurrent) {
    auto t = makeKr10Table();
    for (std::string_view id : {"a", "b", "c"}) {
        addKr10(*t, id, 1);
    }
    t->moveTo(1);
    t->deleteCurrent();
    EXPECT_EQ(ids(*t, kr10::ID), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(t->text(t->recNo(), kr10::ID), "c");
    t->deleteCurrent(); // the last one: the one before becomes current
    EXPECT_EQ(t->recordCount(), 1u);
    EXPECT_EQ(t->text(t->recNo(), kr10::ID), "a");
    t->deleteCurrent();
    EXPECT_EQ(t->recordCount(), 0u);
    t->deleteCurrent(); // nothing left: no effect
    EXPECT_EQ(t->recordCount(), 0u);
}

TEST(Table, EmptyKeepsFieldsAndStaysOpen_CloseKeepsRecords) {
    auto t = makeKr10Table();
    addKr10(*t, "a", 1);
    t->close();
    t->open();
    EXPECT_EQ(t->recordCount(), 1u);
    t->close();
    t->empty();
    EXPECT_TRUE(t->isOpen());
    EXPECT_EQ(t->recordCount(), 0u);
    EXPECT_EQ(t->fieldCount(), 8u);
    addKr10(*t, "b", 2);
    EXPECT_EQ(t->text(0, kr10::ID), "b");
}

TEST(Table, FillTextGivesEveryRecordTheValue) {
    auto t = makeLotTable(1);
    for (std::string_view v : {"old", "old", "other"}) {
        t->append();
        t->setText(kr20::BRUTO, v);
        t->post();
    }
    t->append(); // a record under way keeps its own value...
    t->setText(kr20::ID, "pending");
    t->fillText(kr20::BRUTO, "123456789012345678901234"); // cut to text(20)
    t->cancel(); // ...and dropping it leaves the filled value whole
    EXPECT_EQ(ids(*t, kr20::BRUTO), std::vector<std::string>(3, "12345678901234567890"));
    t->append();
    t->setText(kr20::BRUTO, "12345678901234567890");
    t->post();
    EXPECT_EQ(t->text(3, kr20::BRUTO), "12345678901234567890");
    EXPECT_THROW(t->fillText(kr20::PESO, "1"), Error);
}

// Notes what a table told, in order, and what it could read at that moment.
struct Recorder : TableListener {
    Table* table = nullptr;
    std::vector<std::string> events;
    std::function<void()> duringRemoval;

    void recordAppended(std::size_t row) override {
        events.push_back("appended " + std::to_string(row));
    }
    void recordAboutToBeRemoved(std::size_t row) override {
        events.push_back("removing " + std::string(table->text(row, kr10::ID)));
        if (duringRemoval) {
            duringRemoval();
        }
    }
    void recordRemoved(std::size_t row) override {
        events.push_back("removed " + std::to_string(row));
    }
    void aboutToBeEmptied() override {
        events.push_back("emptying " + std::to_string(table->recordCount()));
    }
    void emptied() override { events.push_back("emptied"); }
    void fieldChanged(std::size_t field) override {
        events.push_back("field " + std::to_string(field));
    }
    void cursorMoved(std::size_t from, std::size_t to) override {
        events.push_back("cursor " + std::to_string(from) + ">" + std::to_string(to));
    }
    void tableDestroyed() override { events.push_back("destroyed"); }
};

TEST(Table, ListenersHearEveryChange) {
    auto t = makeKr10Table();
    Recorder r;
    r.table = t.get();
    t->addListener(r);
    for (std::string_view id : {"a", "b", "c"}) {
        addKr10(*t, id, 1);
    }
    t->first();
    t->next();
    t->last();
    t->moveTo(1);
    t->deleteCurrent();
    t->fillText(kr10::CC1, "x");
    t->empty();
    t.reset();
    EXPECT_EQ(r.events, (std::vector<std::string>{
                            "appended 0", "appended 1", "appended 2", "cursor 2>0", "cursor 0>1",
                            "cursor 1>2", "cursor 2>1", "removing b", "removed 1", "cursor 1>1",
                            "field 3", "emptying 2", "emptied", "destroyed"}));
}

TEST(Table, DeleteKeepsTheNextRecordCurrentWhateverAListenerDoes) {
    Recorder r;
    auto t = makeKr10Table();
    for (std::string_view id : {"a", "b", "c", "d"}) {
        addKr10(*t, id, 1);
    }
    r.table = t.get();
    // A view moves its current row while the row goes.
    r.duringRemoval = [&] { t->moveTo(3); };
    t->addListener(r);
    t->moveTo(1);
    t->deleteCurrent();
    EXPECT_EQ(t->text(t->recNo(), kr10::ID), "c");
}

TEST(Table, AListenerMayLeaveWhileItIsBeingTold) {
    Recorder first;
    Recorder second;
    auto t = makeKr10Table();
    first.table = second.table = t.get();
    struct Leaver : TableListener {
        Table* table = nullptr;
        Recorder* other = nullptr;
        void recordAppended(std::size_t) override {
            table->removeListener(*this);
            table->removeListener(*other);
        }
    };
    Leaver leaver;
    leaver.table = t.get();
    leaver.other = &second;
    t->addListener(first);
    t->addListener(leaver);
    t->addListener(second);
    addKr10(*t, "a", 1);
    addKr10(*t, "b", 1);
    EXPECT_EQ(first.events, (std::vector<std::string>{"appended 0", "appended 1"}));
    EXPECT_TRUE(second.events.empty());
}

} // namespace
} // namespace vezu
