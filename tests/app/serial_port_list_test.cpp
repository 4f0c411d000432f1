#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/serial_port_list.hpp"

namespace vezu {
namespace {

// A fake /sys/class/tty and /dev side by side.
class FakeSysfs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath("sys/class/tty");
        QDir(root.path()).mkpath("dev");
    }

    QString ttyClass() const { return root.filePath("sys/class/tty"); }
    QString dev() const { return root.filePath("dev"); }

    static void write(const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // A port with a device behind it and its node; uartType "" writes no type file.
    void addPort(const QString& name, const QByteArray& uartType = "4") {
        ASSERT_TRUE(QDir(ttyClass()).mkpath(name + "/device"));
        if (!uartType.isEmpty()) {
            write(ttyClass() + "/" + name + "/type", uartType + "\n");
        }
        write(dev() + "/" + name, "");
    }

    // A USB adapter whose tty device sits below the USB device, as the kernel lays it out.
    void addUsbAdapter(const QString& name, const QByteArray& product) {
        const QString usbDevice = root.filePath("sys/devices/usb1/1-1");
        const QString port = usbDevice + "/1-1:1.0/" + name;
        ASSERT_TRUE(QDir().mkpath(port));
        write(usbDevice + "/product", product + "\n");
        ASSERT_TRUE(QDir(ttyClass()).mkpath(name));
        ASSERT_TRUE(QFile::link(port, ttyClass() + "/" + name + "/device"));
        write(dev() + "/" + name, "");
    }

    QTemporaryDir root;
};

TEST_F(FakeSysfs, ListsPortsThatExistInNaturalOrder) {
    for (const char* port : {"ttyS10", "ttyS2", "ttyS0"}) {
        addPort(port);
    }
    addUsbAdapter("ttyUSB0", "FT232R USB UART");
    ASSERT_TRUE(QDir(ttyClass()).mkpath("tty1"));         // a console: no device behind it
    ASSERT_TRUE(QDir(ttyClass()).mkpath("ttyS5/device")); // no node in /dev

    EXPECT_EQ(listSerialPorts(ttyClass(), dev()),
              (QStringList{"ttyS0", "ttyS2", "ttyS10", "ttyUSB0"}));
}

TEST_F(FakeSysfs, LegacyPlaceholdersWithoutAUartAreLeftOut) {
    addPort("ttyS0", "4");
    addPort("ttyS1", "0");
    addPort("ttyS2", "0");
    // Without a type to read and no UART to ask, the port is kept.
    addPort("ttyS3", "");
    EXPECT_EQ(listSerialPorts(ttyClass(), dev()), (QStringList{"ttyS0", "ttyS3"}));
}

TEST_F(FakeSysfs, UsbAdaptersCarryTheirProductName) {
    addPort("ttyS0");
    addUsbAdapter("ttyACM0", "Arduino Uno");
    const auto entries = serialPortEntries(ttyClass(), dev());
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].name, "ttyACM0");
    EXPECT_EQ(entries[0].product, "Arduino Uno");
    EXPECT_TRUE(entries[0].usb);
    EXPECT_EQ(entries[1].name, "ttyS0");
    EXPECT_TRUE(entries[1].product.isEmpty());
    EXPECT_FALSE(entries[1].usb);
}

TEST_F(FakeSysfs, AFirstStartPicksTheFirstUsbAdapter) {
    EXPECT_EQ(firstStartPort(serialPortEntries(ttyClass(), dev())), "");
    addPort("ttyS0");
    addPort("ttyS1");
    EXPECT_EQ(firstStartPort(serialPortEntries(ttyClass(), dev())), "ttyS0");
    addUsbAdapter("ttyUSB3", "CP2102");
    EXPECT_EQ(firstStartPort(serialPortEntries(ttyClass(), dev())), "ttyUSB3");
}

TEST(SerialPortList, AMissingFolderGivesNoPort) {
    EXPECT_TRUE(listSerialPorts("/nonexistent/sys/class/tty").isEmpty());
}

} // namespace
} // namespace vezu
