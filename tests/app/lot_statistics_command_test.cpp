#include <QKeyEvent>
#include <QPointer>
#include <QTest>

#include "app/lot_statistics_window.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

class LotStatisticsCommand : public WindowFixture {
protected:
    void load(int model, const char* listing) {
        writeConfig("[CONF]\r\nIndic=" + std::to_string(model) + "\r\n");
        start();
        openListing(fixture(listing));
    }
    WeighingGrid& gridOfPage(int index) {
        princ().PageControl1->setCurrentIndex(index);
        return *princ().PageControl1->widget(index)->findChild<WeighingGrid*>();
    }
    LotStatisticsWindow* onlyWindow() {
        const auto open = princ().statistics().openWindows();
        return open.size() == 1 ? open.front() : nullptr;
    }
    static QString animals(const LotStatisticsWindow& window) {
        return window.figures()->item(0, 0)->text();
    }
    // Closed windows are deleted at the next turn of the event loop.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(LotStatisticsCommand, EveryGridOffersItInItsContextMenu) {
    load(1, "kr20-two-lots.txt");
    for (int page = 0; page < princ().PageControl1->count(); ++page) {
        WeighingGrid& grid = gridOfPage(page);
        EXPECT_EQ(grid.contextMenuPolicy(), Qt::ActionsContextMenu);
        EXPECT_TRUE(grid.actions().contains(princ().Estatisticas)) << page;
    }
    EXPECT_EQ(princ().Estatisticas->text(), "Estatísticas do lote…");
    EXPECT_EQ(princ().Estatisticas->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
}

TEST_F(LotStatisticsCommand, OpensTheLotOfThePageShownOnceAndNonModal) {
    load(1, "kr20-two-lots.txt");
    gridOfPage(1);
    princ().Estatisticas->trigger();
    LotStatisticsWindow* window = onlyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowTitle().startsWith("Estatísticas – Lote 2"))
        << window->windowTitle().toStdString();
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(animals(*window), QString::number(princ().store().lot(2).recordCount()));

    princ().Estatisticas->trigger();
    EXPECT_EQ(onlyWindow(), window) << "the open window is raised, not doubled";

    gridOfPage(0);
    princ().Estatisticas->trigger();
    EXPECT_EQ(princ().statistics().openWindows().size(), 2u);
}

TEST_F(LotStatisticsCommand, FollowsDeletionsWhileOpen) {
    load(0, "kr10-three.txt");
    WeighingGrid& grid = gridOfPage(0);
    princ().Estatisticas->trigger();
    LotStatisticsWindow* window = onlyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowTitle().startsWith("Estatísticas – Lote 1"))
        << window->windowTitle().toStdString();
    const QString before = animals(*window);

    ui_.confirmations.push_back(true);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
    QApplication::sendEvent(&grid, &press);
    EXPECT_EQ(animals(*window), QString::number(before.toInt() - 1));
}

TEST_F(LotStatisticsCommand, ClosesWhenItsLotIsDiscarded) {
    struct Case {
        int model;
        const char* listing;
    };
    for (const Case& c : {Case{0, "kr10-three.txt"}, Case{1, "kr20-two-lots.txt"}}) {
        load(c.model, c.listing);
        gridOfPage(princ().PageControl1->count() - 1);
        princ().Estatisticas->trigger();
        QPointer<LotStatisticsWindow> window = onlyWindow();
        ASSERT_FALSE(window.isNull()) << c.listing;

        // A new listing over the loaded one: the discard takes the lot away.
        ui_.answers.push_back(true);
        openListing(fixture(c.listing));
        EXPECT_TRUE(princ().statistics().openWindows().empty()) << c.listing;
        settle();
        EXPECT_TRUE(window.isNull()) << c.listing;
        windows_.reset();
    }
}

TEST_F(LotStatisticsCommand, StaysClosedOnAClosedWindowAndWithTheMainWindow) {
    load(1, "kr20-two-lots.txt");
    gridOfPage(0);
    princ().Estatisticas->trigger();
    QPointer<LotStatisticsWindow> window = onlyWindow();
    ASSERT_FALSE(window.isNull());
    window->close();
    settle();
    EXPECT_TRUE(window.isNull());
    // Its follower went with it: a discard afterwards touches nothing gone.
    ui_.answers.push_back(true);
    openListing(fixture("kr20-two-lots.txt"));

    gridOfPage(0);
    princ().Estatisticas->trigger();
    window = onlyWindow();
    windows_.reset();
    EXPECT_TRUE(window.isNull());
}

TEST_F(LotStatisticsCommand, NothingOpensWithoutAPage) {
    load(1, "kr20-two-lots.txt");
    ui_.answers.push_back(true);
    ui_.openAnswers.push_back(std::nullopt);
    princ().Pendrive->trigger();
    ASSERT_EQ(princ().PageControl1->count(), 0);
    princ().Estatisticas->trigger();
    EXPECT_TRUE(princ().statistics().openWindows().empty());
    EXPECT_TRUE(ui_.errors.empty());
}

} // namespace
} // namespace vezu
