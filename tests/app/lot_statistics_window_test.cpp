#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>

#include "analysis/earlier_listing.hpp"
#include "app/lot_statistics_window.hpp"
#include "import/listing_files.hpp"
#include "support/comma_decimal.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

std::string head(const QString& path, std::size_t bytes) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::string text(bytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(bytes));
    return text.substr(0, static_cast<std::size_t>(in.gcount()));
}

QPushButton* button(QWidget& window, const QString& text) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    return nullptr;
}

// The two-lot KR-20 listing loaded, the window on its second lot.
class LotStatisticsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        store =
            readEarlierListing(fixture("kr20-two-lots.txt"), ListingModel::Kr20, commaDecimal());
        window =
            std::make_unique<LotStatisticsWindow>(*store, ListingModel::Kr20, 2, commaDecimal());
        window->showError = [this](const QString& text) { errors << text; };
    }
    QString figure(int row, int column) const {
        const QTableWidgetItem* item = window->figures()->item(row, column);
        return item ? item->text() : QString();
    }
    QStringList comparisonRow(int row) const {
        QStringList cells;
        for (int c = 0; c < window->comparison()->columnCount(); ++c) {
            cells << window->comparison()->item(row, c)->text();
        }
        return cells;
    }

    std::unique_ptr<WeighingStore> store;
    std::unique_ptr<LotStatisticsWindow> window;
    QStringList errors;
    QTemporaryDir folder;
};

TEST_F(LotStatisticsWindowTest, FiguresOfWeightGainAndValue) {
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Estatísticas – Lote 2 – FÊMEAS"));
    EXPECT_EQ(figure(0, 0), "3");
    const QStringList peso{figure(1, 0), figure(2, 0), figure(3, 0), figure(4, 0),
                           figure(5, 0), figure(6, 0), figure(7, 0)};
    EXPECT_EQ(peso, (QStringList{"930", "310", "310", "300", "320", "10", "3,2 %"}));
    // Gains 10, -5, 7; values 1500,25, -2,5 and 100, read exactly.
    EXPECT_EQ(figure(1, 1), "12");
    EXPECT_EQ(figure(4, 1), "-5");
    EXPECT_EQ(figure(6, 1), "7,9");
    EXPECT_EQ(figure(1, 2), "$1.597,75");
    EXPECT_EQ(figure(2, 2), "$532,58");
    EXPECT_EQ(figure(4, 2), "-$2,50");
}

TEST_F(LotStatisticsWindowTest, ClassWidthRedrawsTheHistogram) {
    ASSERT_EQ(window->histogram()->classes().size(), 1u);
    EXPECT_EQ(window->histogram()->classes()[0].from, 300);
    window->classWidth()->setValue(10);
    ASSERT_EQ(window->histogram()->classes().size(), 3u);
    EXPECT_EQ(window->histogram()->classes()[2].from, 320);
    EXPECT_EQ(window->histogram()->classes()[2].count, 1u);
}

TEST_F(LotStatisticsWindowTest, FollowsDeletionsAndTheDiscard) {
    Table& lot = store->lot(2);
    lot.moveTo(1);
    lot.deleteCurrent();
    window->refresh();
    EXPECT_EQ(figure(0, 0), "2");
    EXPECT_EQ(figure(1, 0), "620");

    lot.empty();
    window->refresh();
    EXPECT_EQ(figure(0, 0), "0");
    EXPECT_EQ(figure(1, 0), "");
    EXPECT_TRUE(window->histogram()->classes().empty());
    EXPECT_EQ(window->histogram()->message(), QStringLiteral("Nenhum animal no lote."));

    store->discardKr20();
    window->refresh();
    EXPECT_EQ(figure(0, 0), "0");
    EXPECT_EQ(window->histogram()->message(), QStringLiteral("O lote não está mais carregado."));
}

TEST_F(LotStatisticsWindowTest, ComparesWithAnEarlierListingOfEitherModel) {
    const TemporaryListing earlier(
        lineWith({{1, " A"}, {4, "ANTES"}, {15, "150218"}, {27, "2"}, {34, "631"}}) + "\r\n" +
        lineWith({{1, " I"}, {4, "BR77"}, {24, "330"}}) + "\r\n" +
        lineWith({{1, " I"}, {4, "BR78"}, {24, "301"}}) + "\r\n");
    window->chooseEarlierListing = [&] {
        return std::optional<QString>(QString::fromStdString(earlier.path()));
    };
    EXPECT_FALSE(window->comparison()->isVisibleTo(window.get()));
    button(*window, QStringLiteral("Comparar com pesagem anterior…"))->click();
    ASSERT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_TRUE(window->comparison()->isVisibleTo(window.get()));
    ASSERT_EQ(window->comparison()->rowCount(), 3);
    EXPECT_EQ(comparisonRow(0), (QStringList{"0012345", "não encontrado", "300", "", "", ""}));
    EXPECT_EQ(comparisonRow(1), (QStringList{"BR77", "330", "310", "-20", "19", "-1,053"}));
    EXPECT_EQ(comparisonRow(2), (QStringList{"BR78", "301", "320", "19", "19", "1,000"}));
    EXPECT_TRUE(window->comparisonSummary()->text().contains(
        QStringLiteral("2 de 3 animais encontrados     GMD médio: -0,026 kg/dia")));

    // The comparison follows the lot too, and the loaded data stay as they were.
    store->lot(2).moveTo(1);
    store->lot(2).deleteCurrent();
    window->refresh();
    EXPECT_EQ(window->comparison()->rowCount(), 2);
    EXPECT_EQ(store->C(), 2);

    window->compareWith(QString::fromStdString(fixture("missing.txt")));
    EXPECT_EQ(errors, QStringList{QStringLiteral("Arquivo não existe !")});
    EXPECT_EQ(window->comparison()->rowCount(), 2);
}

TEST_F(LotStatisticsWindowTest, HistogramSavedAndPrinted) {
    ASSERT_TRUE(folder.isValid());
    std::vector<QString> offered;
    QString target;
    window->chooseSaveFile = [&](const QString& name, const QString&) {
        offered.push_back(name);
        return std::optional<QString>(target);
    };
    target = folder.filePath("h.png");
    button(*window, QStringLiteral("Salvar PNG…"))->click();
    EXPECT_EQ(head(target, 4), "\x89PNG");
    target = folder.filePath("h.pdf");
    button(*window, QStringLiteral("Salvar PDF…"))->click();
    EXPECT_EQ(head(target, 5), "%PDF-");
    EXPECT_EQ(offered, (std::vector<QString>{"Histograma lote 2.png", "Histograma lote 2.pdf"}));

    // A failed write is reported and leaves the earlier file alone.
    std::ofstream(folder.filePath("kept.png").toStdString()) << "earlier";
    target = folder.filePath("missing/h.png");
    button(*window, QStringLiteral("Salvar PNG…"))->click();
    EXPECT_EQ(errors, QStringList{QStringLiteral("Path not found")});
    EXPECT_EQ(head(folder.filePath("kept.png"), 100), "earlier");

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("printed.pdf"));
    window->printHistogram(printer);
    EXPECT_EQ(head(folder.filePath("printed.pdf"), 5), "%PDF-");
}

TEST(LotStatisticsWindowKr10, TheListingIsLotOne) {
    qtApp();
    const auto store =
        readEarlierListing(fixture("kr10-three.txt"), ListingModel::Kr10, commaDecimal());
    LotStatisticsWindow window(*store, ListingModel::Kr10, 1, commaDecimal());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Estatísticas – Lote 1 – LOTE01"));
    EXPECT_EQ(window.figures()->columnCount(), 1);
    EXPECT_EQ(window.figures()->item(0, 0)->text(), "3");
    EXPECT_EQ(window.figures()->item(2, 0)->text(), "269");
    EXPECT_EQ(window.figures()->item(6, 0)->text(), "233,1");
    EXPECT_EQ(window.histogram()->classes().size(), 17u); // 0..425 in 25 kg classes
}

} // namespace
} // namespace vezu
