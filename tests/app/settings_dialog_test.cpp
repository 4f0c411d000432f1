#include <QTest>
#include <QTimer>

#include "window_fixture.hpp"

namespace vezu {
namespace {

class SettingsDialog : public WindowFixture {
protected:
    FrmConfig& open(const std::string& file) {
        writeConfig(file);
        start();
        windows_->FrmConfig.show();
        return windows_->FrmConfig;
    }
};

TEST_F(SettingsDialog, AplicarWritesAppliesAndCloses) {
    FrmConfig& config = open("[CONF]\r\nPorta=ttyS0\r\nEsper=7\r\nIndic=0\r\n");
    EXPECT_EQ(config.SE3->value(), 7);
    EXPECT_EQ(config.CB7->currentIndex(), 0);
    config.CB1->clear();
    config.fillPorts(QStringList{"ttyS0", "ttyUSB3"}, "ttyUSB3");
    config.SE3->setValue(15);
    config.CB7->setCurrentIndex(1);
    config.Button1->click();

    EXPECT_FALSE(config.isVisible());
    EXPECT_EQ(bytesOf(configPath()), "[CONF]\r\nPorta=ttyUSB3\r\nEsper=15\r\nIndic=1\r\n");
    EXPECT_EQ(princ().portName(), "ttyUSB3");
    EXPECT_EQ(princ().Timer1.interval(), 15000);
    EXPECT_EQ(princ().Modelo, 1);
    EXPECT_EQ(princ().Ribbon1->tabCaption(), "Indicador KR-20");

    // The next "Abrir pen drive" reads a KR-20 listing.
    openListing(fixture("kr20-two-lots.txt"));
    EXPECT_EQ(princ().PageControl1->count(), 2);
}

TEST_F(SettingsDialog, WritesTheKeysInOrderIntoAFileWithoutThem) {
    FrmConfig& config = open("");
    config.SE3->setValue(10);
    config.CB1->setCurrentIndex(-1);
    config.Button1->click();
    const std::string written = bytesOf(configPath());
    EXPECT_EQ(written.substr(written.find("Porta=")), "Porta=\r\nEsper=10\r\nIndic=0\r\n");
    EXPECT_EQ(princ().portName(), "");
}

TEST_F(SettingsDialog, PadraoThenCancelarSavesNothing) {
    FrmConfig& config = open("[CONF]\r\nPorta=ttyS0\r\nEsper=30\r\nIndic=1\r\n");
    const std::string before = bytesOf(configPath());
    config.Button2->click();
    EXPECT_EQ(config.SE3->value(), 10);
    config.btncancel->click();

    EXPECT_FALSE(config.isVisible());
    EXPECT_EQ(bytesOf(configPath()), before);
    EXPECT_EQ(princ().Timer1.interval(), 30000);
    config.show();
    EXPECT_EQ(config.SE3->value(), 30);
}

TEST_F(SettingsDialog, ReadsHexadecimalAndKeepsItsValuesForMissingKeys) {
    FrmConfig& config = open("[CONF]\r\nEsper=0x0F\r\nIndic=1\r\n");
    EXPECT_EQ(config.SE3->value(), 15);
    EXPECT_EQ(config.CB7->currentIndex(), 1);
    config.hide();
    writeConfig("[OTHER]\r\n");
    config.show();
    EXPECT_EQ(config.SE3->value(), 15);
    EXPECT_EQ(config.CB7->currentIndex(), 1);
}

TEST_F(SettingsDialog, EscapeDoesNotCloseIt) {
    FrmConfig& config = open("");
    QTest::keyClick(&config, Qt::Key_Escape);
    EXPECT_TRUE(config.isVisible());
}

TEST_F(SettingsDialog, AFileThatCannotBeWrittenKeepsTheDialogOpen) {
    FrmConfig& config = open("[CONF]\r\nPorta=ttyS0\r\nEsper=10\r\nIndic=0\r\n");
    // A folder where the file should be: no write succeeds, not even as root.
    std::filesystem::remove(configPath());
    std::filesystem::create_directory(configPath());
    config.CB7->setCurrentIndex(1);
    config.Button1->click();

    EXPECT_EQ(ui_.errors,
              std::vector<QString>{"Unable to write to " + documents_ + "/Korbane/Config.ini."});
    EXPECT_TRUE(config.isVisible());
    EXPECT_EQ(princ().Modelo, 0);
    EXPECT_EQ(princ().Ribbon1->tabCaption(), "Indicador KR-10");
}

TEST_F(SettingsDialog, ConfiguracaoShowsItModally) {
    writeConfig("[CONF]\r\nEsper=10\r\nIndic=0\r\n");
    start();
    bool wasModal = false;
    QTimer::singleShot(0, &princ(), [&] {
        wasModal = windows_->FrmConfig.isModal() && windows_->FrmConfig.isVisible();
        windows_->FrmConfig.CB7->setCurrentIndex(1);
        windows_->FrmConfig.Button1->click();
    });
    princ().Config->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(princ().Modelo, 1);
}

TEST(PortList, SelectsTheConfiguredPortByExactName) {
    qtApp();
    ScriptedInteraction ui;
    struct Case {
        QStringList ports;
        QString configured;
        int selected;
    };
    const Case cases[] = {
        {{"ttyS0", "ttyUSB4"}, "ttyUSB4", 1},
        {{"ttyS0", "ttyUSB4"}, "TTYUSB4", -1},
        {{"ttyS0", "ttyUSB4"}, "ttyACM0", -1},
        {{"ttyS0", "ttyS0"}, "ttyS0", 1},
        {{}, "ttyS0", -1},
    };
    for (const Case& c : cases) {
        FrmConfig config(ui);
        config.fillPorts(c.ports, c.configured);
        EXPECT_EQ(config.CB1->count(), c.ports.size());
        EXPECT_EQ(config.CB1->currentIndex(), c.selected) << c.configured.toStdString();
    }
}

// A USB adapter's product name is the tooltip; the entry stays the port name.
TEST(PortList, UsbProductNameIsTheTooltip) {
    qtApp();
    ScriptedInteraction ui;
    FrmConfig config(ui);
    config.fillPorts(
        QList<SerialPortEntry>{{"ttyS0", {}, false}, {"ttyUSB0", "FT232R USB UART", true}},
        "ttyUSB0");
    EXPECT_EQ(config.CB1->currentText(), QStringLiteral("ttyUSB0"));
    EXPECT_EQ(config.CB1->itemData(1, Qt::ToolTipRole).toString(),
              QStringLiteral("FT232R USB UART"));
    EXPECT_FALSE(config.CB1->itemData(0, Qt::ToolTipRole).isValid());
}

} // namespace
} // namespace vezu
