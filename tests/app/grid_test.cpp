#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QProgressBar>
#include <QTest>

#include "window_fixture.hpp"

namespace vezu {
namespace {

class Grid : public WindowFixture {
protected:
    WeighingGrid& openKr10() {
        writeConfig("[CONF]\r\nIndic=0\r\n");
        start();
        openListing(fixture("kr10-three.txt"));
        return *princ().PageControl1->widget(0)->findChild<WeighingGrid*>();
    }
    static void ctrlDelete(WeighingGrid& grid) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
        QApplication::sendEvent(&grid, &press);
    }
    std::vector<std::string> ids() {
        std::vector<std::string> out;
        Table& table = princ().store().CDS1();
        for (std::size_t row = 0; row < table.recordCount(); ++row) {
            out.emplace_back(table.text(row, kr10::ID));
        }
        return out;
    }
};

TEST_F(Grid, CtrlDeleteRemovesTheCurrentRecordAfterOk) {
    WeighingGrid& grid = openKr10();
    grid.setCurrentIndex(grid.model()->index(1, 1));

    ui_.confirmations.push_back(false);
    ctrlDelete(grid);
    EXPECT_EQ(ui_.questions, std::vector<QString>{"Delete record?"});
    EXPECT_EQ(ids(), (std::vector<std::string>{"BR5500876", "BR5500877", "BR5500878"}));

    ui_.confirmations.push_back(true);
    ctrlDelete(grid);
    EXPECT_EQ(ids(), (std::vector<std::string>{"BR5500876", "BR5500878"}));
    EXPECT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(grid.model()->index(1, 0).data().toString(), "BR5500878");
}

TEST_F(Grid, TheFirstRecordIsCurrentFromTheStart) {
    WeighingGrid& grid = openKr10();
    EXPECT_EQ(grid.model()->headerData(0, Qt::Vertical).toString(), "▶");
    EXPECT_EQ(grid.model()->headerData(1, Qt::Vertical).toString(), "");

    ui_.confirmations.push_back(true);
    ctrlDelete(grid);
    EXPECT_EQ(ids(), (std::vector<std::string>{"BR5500877", "BR5500878"}));
}

TEST_F(Grid, NothingIsEditedOrAddedFromTheGrid) {
    WeighingGrid& grid = openKr10();
    const QModelIndex last = grid.model()->index(2, 0);
    grid.setCurrentIndex(last);
    EXPECT_FALSE(grid.model()->flags(last) & Qt::ItemIsEditable);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);

    QTest::keyClicks(&grid, "99");
    QTest::keyClick(&grid, Qt::Key_Insert);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(ids(), (std::vector<std::string>{"BR5500876", "BR5500877", "BR5500878"}));
    EXPECT_TRUE(ui_.questions.empty());
}

TEST_F(Grid, TitlesFitTheirColumns) {
    writeConfig("[CONF]\r\nIndic=1\r\n");
    start();
    openListing(fixture("kr20-two-lots.txt"));
    auto* grid = princ().PageControl1->widget(0)->findChild<WeighingGrid*>();
    QHeaderView* titles = grid->horizontalHeader();
    const int planned[] = {100, 100, 100, 150, 50, 50, 50};
    for (int c = 0; c < 7; ++c) {
        EXPECT_GE(titles->sectionSize(c), planned[c]);
        EXPECT_GE(titles->sectionSize(c), titles->sectionSizeHint(c));
    }
}

// The rows the marker shows as current; exactly one when the grid has rows.
std::vector<int> markedRows(const QAbstractItemModel& model) {
    std::vector<int> rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        if (model.headerData(r, Qt::Vertical).toString() == "▶") {
            rows.push_back(r);
        }
    }
    return rows;
}

std::vector<std::string> idsOf(const Table& table, std::size_t field) {
    std::vector<std::string> out;
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        out.emplace_back(table.text(row, field));
    }
    return out;
}

// After an export walked the table, the marker and the grid's current row
// both show the last record, and Ctrl+Delete removes that one.
TEST_F(Grid, AfterAnExportCtrlDeleteRemovesTheMarkedRecord) {
    struct Case {
        bool kr10;
        const char* listing;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {true, "kr10-three.txt", {"BR5500876", "BR5500877"}},
        {false, "kr20-two-lots.txt", {"BR5500876"}},
    };
    for (const Case& c : cases) {
        writeConfig(c.kr10 ? "[CONF]\r\nIndic=0\r\n" : "[CONF]\r\nIndic=1\r\n");
        start();
        openListing(fixture(c.listing));
        auto& grid = *princ().PageControl1->widget(0)->findChild<WeighingGrid*>();
        QCoreApplication::processEvents();
        grid.setCurrentIndex(grid.model()->index(0, 1));
        ASSERT_EQ(markedRows(*grid.model()), std::vector<int>{0}) << c.listing;

        ui_.answers.push_back(true);
        ui_.saveAnswers.push_back(home_.path() + "/out.csv");
        princ().Exportcvs->trigger();
        ASSERT_TRUE(ui_.errors.empty()) << c.listing;
        const int last = grid.model()->rowCount() - 1;
        EXPECT_EQ(markedRows(*grid.model()), std::vector<int>{last}) << c.listing;
        EXPECT_EQ(grid.currentIndex().row(), last) << c.listing;

        ui_.confirmations.push_back(true);
        ctrlDelete(grid);
        const Table& table = c.kr10 ? princ().store().CDS1() : princ().store().lot(1);
        EXPECT_EQ(idsOf(table, c.kr10 ? std::size_t{kr10::ID} : std::size_t{kr20::ID}), c.left)
            << c.listing;
        EXPECT_EQ(markedRows(*grid.model()), std::vector<int>{last - 1}) << c.listing;
    }
}

TEST_F(Grid, FollowsAppendsDeletesAndTheDiscardWithoutBeingTold) {
    WeighingStore store;
    TableModel model(store.CDS1(), {{kr10::ID, "ID", 100}}, fs_);
    QWidget page;
    WeighingGrid grid(model, ui_, &page);
    Table& table = store.CDS1();
    for (std::string_view id : {"a", "b", "c"}) {
        table.append();
        table.setText(kr10::ID, id);
        table.post();
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(markedRows(model), std::vector<int>{2}); // the record stored last

    table.moveTo(1);
    EXPECT_EQ(markedRows(model), std::vector<int>{1});
    EXPECT_EQ(grid.currentIndex().row(), 1);

    table.deleteCurrent();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(1, 0).data().toString(), "c");
    EXPECT_EQ(markedRows(model), std::vector<int>{1});
    EXPECT_EQ(grid.currentIndex().row(), 1);

    table.append();
    table.setText(kr10::ID, "d");
    table.post();
    table.first(); // a move shows what was stored before it at once
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(markedRows(model), std::vector<int>{0});

    store.discardKr10();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(markedRows(model).empty());
}

TEST_F(Grid, ALotPageGoesBeforeItsTable) {
    writeConfig("[CONF]\r\nIndic=1\r\n");
    start();
    openListing(fixture("kr20-two-lots.txt"));
    QPointer<QWidget> page = princ().PageControl1->widget(0);
    ASSERT_EQ(princ().PageControl1->count(), 2);
    princ().store().discardKr20();
    EXPECT_TRUE(page.isNull());
    EXPECT_EQ(princ().PageControl1->count(), 0);

    // A model left on a lot table lets go of it when the table goes.
    openListing(fixture("kr20-two-lots.txt"));
    TableModel model(princ().store().lot(1), {{kr20::ID, "ID", 100}}, fs_);
    EXPECT_EQ(model.rowCount(), 2);
    princ().store().discardKr20();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.index(0, 0).data().isValid());
}

// A range of 0..0 would show a "busy" bar that never stops.
TEST_F(Grid, ListingsOfNoOrOneLineLeaveTheProgressBarAtRest) {
    struct Case {
        const char* config;
        const char* listing;
        bool fails;
    };
    for (const Case& c : {Case{"[CONF]\r\nIndic=1\r\n", "empty.txt", false},
                          Case{"[CONF]\r\nIndic=0\r\n", "kr10-header-only.txt", false},
                          Case{"[CONF]\r\nIndic=0\r\n", "empty.txt", true}}) {
        writeConfig(c.config);
        start();
        openListing(fixture(c.listing));
        EXPECT_EQ(ui_.errors.empty(), !c.fails) << c.listing;
        const QProgressBar& bar = *princ().ProgressBar1;
        EXPECT_LT(bar.minimum(), bar.maximum()) << c.listing;
        EXPECT_EQ(bar.value(), 0) << c.listing;
        ui_.errors.clear();
    }
}

} // namespace
} // namespace vezu
