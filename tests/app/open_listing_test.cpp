#include <QLabel>
#include <QTimer>

#include "window_fixture.hpp"

namespace vezu {
namespace {

class OpenListing : public WindowFixture {
protected:
    void startWithModel(int model) {
        writeConfig("[CONF]\r\nPorta=ttyS0\r\nEsper=10\r\nIndic=" + std::to_string(model) + "\r\n");
        start();
    }
    QTabWidget& pages() { return *princ().PageControl1; }
    QString labelText(const char* name) {
        auto* label = pages().findChild<QLabel*>(name);
        return label == nullptr ? QString("<none>") : label->text();
    }
    int gridRows(int page) {
        auto* grid = pages().widget(page)->findChild<WeighingGrid*>();
        return grid == nullptr ? -1 : grid->model()->rowCount();
    }
};

TEST_F(OpenListing, Kr10ListingBuildsItsPage) {
    startWithModel(0);
    openListing(fixture("kr10-three.txt"));

    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_TRUE(ui_.questions.empty());
    EXPECT_EQ(ui_.openFolders, std::vector<QString>{documents_ + "/Korbane/Pesagens"});
    EXPECT_EQ(QString::fromStdString(princ().Caminho), fixture("kr10-three.txt"));
    ASSERT_EQ(pages().count(), 1);
    EXPECT_EQ(pages().tabText(0), "Arquivo: LOTE01");
    EXPECT_EQ(pages().widget(0)->objectName(), "Aba0");
    EXPECT_EQ(pages().currentIndex(), 0);
    EXPECT_EQ(gridRows(0), 3);
    EXPECT_EQ(labelText("Clabel1"), "Arquivo : LOTE01");
    EXPECT_EQ(labelText("Clabel2"), "Data : 05/03/18");
    EXPECT_EQ(labelText("Clabel3"), "Hora : 14:30");
    EXPECT_EQ(labelText("Clabel4"), "Quantidade : 25");
    EXPECT_EQ(labelText("Clabel5"), "Peso Bruto : 9850");
    EXPECT_EQ(labelText("Clabel6"), "Peso Líquido : 394");
    EXPECT_EQ(pages().findChild<QLabel*>("Clabel6")->font().pointSize(), 14);
    EXPECT_EQ(ui_.beeps, 1);
    EXPECT_EQ(princ().ProgressBar1->value(), 0);

    auto* grid = pages().widget(0)->findChild<WeighingGrid*>();
    EXPECT_EQ(grid->geometry(), QRect(3, 3, 400, 393));
    const QAbstractItemModel& model = *grid->model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Identificação :");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Peso :");
    EXPECT_EQ(model.index(2, 0).data().toString(), "BR5500878");
    EXPECT_EQ(model.index(2, 1).data().toString(), "0");
    EXPECT_EQ(model.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
}

TEST_F(OpenListing, Kr20ListingBuildsOnePagePerLot) {
    startWithModel(1);
    openListing(fixture("kr20-two-lots.txt"));

    EXPECT_TRUE(ui_.errors.empty());
    ASSERT_EQ(pages().count(), 2);
    EXPECT_EQ(pages().tabText(0), "Arquivo: MACHOS");
    EXPECT_EQ(pages().tabText(1), "Arquivo: FÊMEAS");
    EXPECT_EQ(pages().widget(0)->objectName(), "Aba1");
    EXPECT_EQ(pages().widget(1)->objectName(), "Aba2");
    EXPECT_EQ(pages().currentIndex(), 0);
    EXPECT_EQ(gridRows(0), 2);
    EXPECT_EQ(gridRows(1), 3);
    EXPECT_EQ(labelText("Alabel1"), "ARQUIVO: MACHOS     DATA: 05/03/18     HORA: 14:30     "
                                    "QUANTIDADE: 2     PESO MÉDIO: 395.0     PESO BRUTO: 790.0");
    EXPECT_TRUE(labelText("Alabel2").startsWith("ARQUIVO: FÊMEAS"));
    EXPECT_TRUE(princ().store().B());
    EXPECT_EQ(princ().store().C(), 2);

    auto* grid = pages().widget(1)->findChild<WeighingGrid*>();
    const QAbstractItemModel& model = *grid->model();
    const QStringList titles{
        "Identificação :", "Peso :", "Ganho :", "Valor :", "Campo 1:", "Campo 2:", "Campo 3:"};
    ASSERT_EQ(model.columnCount(), titles.size());
    for (int c = 0; c < titles.size(); ++c) {
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), titles[c]);
    }
    EXPECT_EQ(model.index(0, 3).data().toString(), "1500,25");
    // The grid stays inside its page, so its scroll bar shows.
    pages().setCurrentIndex(1);
    EXPECT_LE(grid->geometry().right(), pages().widget(1)->width());
}

TEST_F(OpenListing, LongSummariesShrinkInsteadOfBeingCut) {
    const QString listing = home_.path() + "/wide.txt";
    std::ofstream(listing.toStdString(), std::ios::binary)
        << " A WWWWWWWWWW 050318 1430 88888 999999\r\n I BR1                 395\r\n";
    startWithModel(0);
    openListing(listing);
    ASSERT_EQ(pages().count(), 1);
    QWidget* page = pages().widget(0);
    for (const QLabel* label : page->findChildren<QLabel*>()) {
        EXPECT_LE(label->geometry().right(), page->width()) << label->text().toStdString();
    }
    EXPECT_EQ(labelText("Clabel1"), "Arquivo : WWWWWWWWWW");
}

TEST_F(OpenListing, ASecondListingAsksBeforeDiscarding) {
    startWithModel(0);
    openListing(fixture("kr10-three.txt"));

    // Cancel: nothing changes and no dialog shows.
    ui_.answers.push_back(false);
    princ().Pendrive->trigger();
    EXPECT_EQ(
        ui_.questions,
        std::vector<QString>{"Os dados atuais serão descartados, deseja abrir outro arquivo ?"});
    EXPECT_EQ(ui_.openFolders.size(), 1u);
    EXPECT_EQ(pages().count(), 1);
    EXPECT_EQ(princ().store().CDS1().recordCount(), 3u);

    // OK, then the dialog cancelled: the data is gone all the same.
    ui_.answers.push_back(true);
    ui_.openAnswers.push_back(std::nullopt);
    princ().Pendrive->trigger();
    EXPECT_EQ(pages().count(), 0);
    EXPECT_EQ(princ().store().CDS1().recordCount(), 0u);

    // Nothing loaded now: no question, and the next page counts on.
    openListing(fixture("kr10-three.txt"));
    EXPECT_EQ(ui_.questions.size(), 2u);
    EXPECT_EQ(pages().widget(0)->objectName(), "Aba1");
}

TEST_F(OpenListing, Kr20AsksWhenRowsAreLoaded) {
    startWithModel(1);
    openListing(fixture("kr20-two-lots.txt"));
    ui_.answers.push_back(true);
    openListing(fixture("kr20-two-lots.txt"));
    EXPECT_EQ(ui_.questions.size(), 1u);
    EXPECT_EQ(pages().count(), 2);
    EXPECT_EQ(pages().widget(0)->objectName(), "Aba1");
    EXPECT_EQ(princ().store().C(), 2);
}

TEST_F(OpenListing, AMissingFileIsReportedAndNothingIsParsed) {
    startWithModel(0);
    openListing(documents_ + "/nao-existe.txt");
    EXPECT_EQ(ui_.errors, std::vector<QString>{"Arquivo não existe !"});
    EXPECT_TRUE(princ().Caminho.empty());
    EXPECT_EQ(ui_.beeps, 0);
    EXPECT_EQ(pages().count(), 0);
}

TEST_F(OpenListing, ParseErrorsReachTheGeneralErrorReport) {
    struct Case {
        int model;
        const char* listing;
        const char* shown;
        int pages;
    };
    const Case cases[] = {
        {0, "kr10-no-header.txt", "Arquivo inválido !", 0},
        {0, "kr10-bad-weight.txt", "is not a valid integer value.", 0},
        {1, "kr20-bad-weight.txt", "is not a valid integer value.", 1},
    };
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        startWithModel(c.model);
        openListing(fixture(c.listing));
        ASSERT_EQ(ui_.errors.size(), 1u) << c.listing;
        EXPECT_TRUE(ui_.errors[0].endsWith(QString::fromUtf8(c.shown)))
            << ui_.errors[0].toStdString();
        EXPECT_EQ(pages().count(), c.pages) << c.listing;
        EXPECT_EQ(ui_.beeps, 0) << c.listing;
    }
}

TEST_F(OpenListing, PagesWithoutRowsGoWithoutAQuestion) {
    startWithModel(0);
    openListing(fixture("kr10-header-only.txt"));
    ASSERT_EQ(pages().count(), 1);
    EXPECT_EQ(gridRows(0), 0);

    openListing(fixture("kr10-three.txt"));
    EXPECT_TRUE(ui_.questions.empty());
    ASSERT_EQ(pages().count(), 1);
    EXPECT_EQ(gridRows(0), 3);
}

TEST_F(OpenListing, AfterAModelSwitchTheOtherModelsDataIsDiscardedOnlyAfterOk) {
    startWithModel(0);
    openListing(fixture("kr10-three.txt"));
    princ().applySettings("ttyS0", 10, 1);

    ui_.answers.push_back(false);
    princ().Pendrive->trigger();
    EXPECT_EQ(ui_.questions.size(), 1u);
    EXPECT_EQ(pages().count(), 1);
    EXPECT_EQ(princ().store().CDS1().recordCount(), 3u);

    ui_.answers.push_back(true);
    openListing(fixture("kr20-two-lots.txt"));
    EXPECT_EQ(princ().store().CDS1().recordCount(), 0u);
    ASSERT_EQ(pages().count(), 2);
    EXPECT_EQ(pages().tabText(0), "Arquivo: MACHOS");
}

// A listing long enough that the parse dispatches events several times.
class LongListing : public OpenListing {
protected:
    QString writeLongKr20() {
        const QString path = home_.path() + "/long.txt";
        std::ofstream out(path.toStdString(), std::ios::binary);
        for (int lot = 1; lot <= 40; ++lot) {
            out << "|LOTE: L" << lot << "                   05/03/18                 14:30\r\n";
            for (int animal = 0; animal < 500; ++animal) {
                out << "|  BR" << 100000 + animal
                    << "                    395     A1     B2     C3      120       152.75|\r\n";
            }
            out << "|QTD.: 500                      395.0                  790.0\r\n";
        }
        return path;
    }
};

TEST_F(LongListing, LoadAndExportCommandsAreRefusedWhileAParseRuns) {
    startWithModel(1);
    bool ranDuringParse = false;
    QTimer::singleShot(0, &princ(), [&] {
        ranDuringParse = princ().isParsing();
        princ().Pendrive->trigger();
        princ().Exportcvs->trigger();
    });
    openListing(writeLongKr20());

    EXPECT_TRUE(ranDuringParse);
    EXPECT_TRUE(ui_.questions.empty());
    EXPECT_EQ(ui_.openFolders.size(), 1u);
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_EQ(pages().count(), 40);
    EXPECT_EQ(gridRows(39), 500);
}

TEST_F(LongListing, ClosingTheWindowStopsTheParse) {
    startWithModel(1);
    QTimer::singleShot(0, &princ(), [&] { princ().Fechar->trigger(); });
    openListing(writeLongKr20());

    EXPECT_FALSE(princ().isVisible());
    EXPECT_FALSE(princ().isParsing());
    EXPECT_TRUE(ui_.errors.empty());
    EXPECT_EQ(ui_.beeps, 0);
}

} // namespace
} // namespace vezu
