#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/serial_port_list.hpp"

namespace vezu {
namespace {

TEST(SerialPortList, ListsTtysWithADeviceInNaturalOrder) {
    QTemporaryDir sys;
    ASSERT_TRUE(sys.isValid());
    QDir root(sys.path());
    for (const char* port : {"ttyS10", "ttyS2", "ttyUSB0", "ttyS0"}) {
        ASSERT_TRUE(root.mkpath(QString(port) + "/device"));
    }
    ASSERT_TRUE(root.mkpath("tty1"));  // a console: no device behind it
    ASSERT_TRUE(root.mkpath("ptmx"));

    EXPECT_EQ(listSerialPorts(sys.path()),
              (QStringList{"ttyS0", "ttyS2", "ttyS10", "ttyUSB0"}));
}

TEST(SerialPortList, AMissingFolderGivesNoPort) {
    EXPECT_TRUE(listSerialPorts("/nonexistent/sys/class/tty").isEmpty());
}

} // namespace
} // namespace vezu
