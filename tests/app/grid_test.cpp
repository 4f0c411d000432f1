#include <QHeaderView>
#include <QKeyEvent>
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

} // namespace
} // namespace vezu
