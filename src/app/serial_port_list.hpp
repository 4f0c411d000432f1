#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vezu {

struct SerialPortEntry {
    // What the port list shows and "Aplicar" writes: ttyUSB0.
    QString name;
    // A USB adapter's product name from sysfs, for a tooltip; else empty.
    QString product;
    bool usb = false;
};

// The serial ports that exist, in natural name order (ttyS2 before ttyS10):
// each entry of the tty class folder with a device behind it and a node in
// the device folder, except legacy ttyS placeholders without a UART (type 0,
// or unknown to TIOCGSERIAL). A folder that cannot be read gives no port.
QList<SerialPortEntry>
serialPortEntries(const QString& ttyClassFolder = QStringLiteral("/sys/class/tty"),
                  const QString& deviceFolder = QStringLiteral("/dev"));

// The names of those entries.
QStringList listSerialPorts(const QString& ttyClassFolder = QStringLiteral("/sys/class/tty"),
                            const QString& deviceFolder = QStringLiteral("/dev"));

// The port a first start configures: the first USB adapter when there is
// one, else the first port; empty without any.
QString firstStartPort(const QList<SerialPortEntry>& entries);

} // namespace vezu
