#pragma once

#include <QStringList>

namespace vezu {

// The serial ports the kernel lists: every entry of /sys/class/tty that has a
// device behind it (ttyS0, ttyUSB0, ...), in name order. A folder that cannot
// be read gives an empty list.
QStringList listSerialPorts(const QString& ttyClassFolder = QStringLiteral("/sys/class/tty"));

} // namespace vezu
