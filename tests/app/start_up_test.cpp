#include <QApplication>
#include <QFileInfo>

#include "window_fixture.hpp"

namespace vezu {
namespace {

using StartUp = WindowFixture;

TEST_F(StartUp, CreatesTheFiveWindowsHiddenAndShowsTheMainOne) {
    AppWindows& w = start();
    EXPECT_TRUE(w.FrmPrinc.isVisible());
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{&w.FrmConfig, &w.FrmMonitor, &w.FrmAguarde, &w.FrmSobre}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(w.FrmPrinc.windowTitle(), "Korbane Vezu 4.2");
    EXPECT_EQ(w.FrmPrinc.size(), QSize(658, 604));
    EXPECT_EQ(w.FrmPrinc.PageControl1->geometry(), QRect(0, 153, 657, 424));
    EXPECT_EQ(w.FrmPrinc.PageControl1->count(), 0);
    EXPECT_EQ(w.FrmPrinc.ProgressBar1->geometry(), QRect(1, 580, 656, 19));
    EXPECT_EQ(w.FrmPrinc.ProgressBar1->value(), 0);
}

TEST_F(StartUp, AFreshAccountGetsItsDataFolderAndSettings) {
    start();
    const QString camCon = documents_ + "/Korbane/";
    EXPECT_EQ(QString::fromStdString(princ().CamCon), camCon);
    EXPECT_TRUE(QDir(camCon + "Pesagens").exists());
    EXPECT_TRUE(QDir(camCon + "Arquivos").exists());
    EXPECT_TRUE(QFileInfo(camCon + "PDF1.fr3").size() > 0); // the KR-20 report layout
    EXPECT_EQ(princ().pendriveFolder(), camCon + "Pesagens");
    EXPECT_EQ(princ().workbookFolder(), camCon + "Arquivos");

    const std::string config = bytesOf(configPath());
    EXPECT_NE(config.find("[CONF]"), std::string::npos);
    const auto porta = config.find("Porta=");
    const auto esper = config.find("Esper=10");
    const auto indic = config.find("Indic=0");
    ASSERT_NE(porta, std::string::npos);
    EXPECT_LT(porta, esper);
    EXPECT_LT(esper, indic);
    EXPECT_EQ(princ().Ribbon1->tabCaption(), "Indicador KR-10");
    EXPECT_EQ(princ().Timer1.interval(), 10000);
    EXPECT_FALSE(princ().Timer1.isActive());
}

TEST_F(StartUp, AppliesTheSettingsFile) {
    struct Case {
        const char* file;
        int model;
        const char* caption;
        int interval;
        const char* port;
    };
    const Case cases[] = {
        {"[CONF]\r\nPorta=ttyUSB7\r\nEsper=15\r\nIndic=1\r\n", 1, "Indicador KR-20", 15000,
         "ttyUSB7"},
        {"[CONF]\r\nPorta=ttyS3\r\nEsper=0x0F\r\nIndic=0\r\n", 0, "Indicador KR-10", 15000,
         "ttyS3"},
        // A waiting time of 0 or less would never end a capture.
        {"[CONF]\r\nEsper=0\r\nIndic=1\r\n", 1, "Indicador KR-20", 10000, "ttyS0"},
        {"[CONF]\r\nEsper=-4\r\nIndic=1\r\n", 1, "Indicador KR-20", 10000, "ttyS0"},
        // Any other model: nothing configured, every command takes the KR-10 path.
        {"[CONF]\r\nEsper=5\r\nIndic=2\r\n", 0, "Modelo de indicador não configurado", 5000,
         "ttyS0"},
        // Missing model and a waiting time that is not a number.
        {"[CONF]\r\nPorta=ttyS1\r\nEsper=abc\r\n", 0, "Modelo de indicador não configurado", 10000,
         "ttyS1"},
        {"", 0, "Modelo de indicador não configurado", 10000, "ttyS0"},
    };
    for (const Case& c : cases) {
        writeConfig(c.file);
        start();
        EXPECT_EQ(princ().Modelo, c.model) << c.file;
        EXPECT_EQ(princ().Ribbon1->tabCaption(), QString::fromUtf8(c.caption)) << c.file;
        EXPECT_EQ(princ().Timer1.interval(), c.interval) << c.file;
        EXPECT_EQ(princ().portName(), c.port) << c.file;
    }
}

TEST_F(StartUp, TheRibbonHasItsGroupsAndButtonsInOrder) {
    start();
    const std::pair<const char*, QStringList> groups[] = {
        {"RibbonGroup1", {"&Pen-drive", "&Indicador"}},
        {"RibbonGroup2", {"&CSV", "&PDF", "&Excel", "&Imprimir"}},
        {"RibbonGroup3", {"&Configurações", "&Sobre", "&Encerrar"}},
    };
    int previousRight = 0;
    for (const auto& [name, buttons] : groups) {
        auto* group = princ().Ribbon1->findChild<RibbonGroup*>(name);
        ASSERT_NE(group, nullptr) << name;
        QStringList captions;
        for (const QToolButton* button : group->findChildren<QToolButton*>()) {
            captions.append(button->text());
            EXPECT_FALSE(button->icon().isNull()) << button->text().toStdString();
            // Nothing cut: the button has the room its caption needs.
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
        EXPECT_EQ(captions, buttons) << name;
        EXPECT_GE(group->x(), previousRight);
        previousRight = group->geometry().right();
    }
    EXPECT_LE(previousRight, princ().width());
}

TEST_F(StartUp, TheApplicationMenuRunsItsCommands) {
    start();
    ApplicationMenu& menu = princ().Ribbon1->applicationMenu();
    QStringList captions;
    for (const QToolButton* item : menu.findChildren<QToolButton*>()) {
        captions.append(item->text());
    }
    EXPECT_EQ(captions, (QStringList{"&Abrir pen drive", "&Conectar Indicador", "&Encerrar", "CSV",
                                     "Excel", "PDF"}));
    EXPECT_NE(menu.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(menu.findChild<QLabel*>()->text(), "Exportar :");

    ui_.openAnswers.push_back(std::nullopt);
    menu.findChildren<QToolButton*>().front()->click();
    EXPECT_EQ(ui_.openFolders.size(), 1u);
}

TEST_F(StartUp, HelpWithoutAPageBesideTheProgramReportsNothing) {
    start();
    princ().Help->trigger();
    EXPECT_TRUE(ui_.opened.empty());
    EXPECT_TRUE(ui_.errors.empty());
}

TEST_F(StartUp, EncerrarClosesTheWindow) {
    start();
    princ().Fechar->trigger();
    EXPECT_FALSE(princ().isVisible());
}

} // namespace
} // namespace vezu
