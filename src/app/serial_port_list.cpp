#include "app/serial_port_list.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <tuple>
#include <unistd.h>

namespace vezu {
namespace {

// "ttyS10" as ("ttyS", 10), so ttyS2 comes before ttyS10.
std::tuple<QString, qulonglong, QString> naturalKey(const QString& name) {
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit()) {
        --digits;
    }
    return {name.left(digits), name.mid(digits).toULongLong(), name};
}

QString firstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readLine()).trimmed();
}

enum class Uart { present, absent, unknown };

// The kernel lists ttyS0-ttyS31 whether or not a UART answers behind them.
Uart uartOf(const QString& classEntry, const QString& node) {
    const QString type = firstLine(classEntry + QStringLiteral("/type"));
    if (!type.isEmpty()) {
        return type == QStringLiteral("0") ? Uart::absent : Uart::present;
    }
    const int fd = ::open(QFile::encodeName(node).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return Uart::unknown;
    }
    serial_struct info{};
    const bool asked = ::ioctl(fd, TIOCGSERIAL, &info) == 0;
    ::close(fd);
    if (!asked) {
        return Uart::unknown;
    }
    return info.type == PORT_UNKNOWN ? Uart::absent : Uart::present;
}

bool isUsbAdapter(const QString& name) {
    return name.startsWith(QStringLiteral("ttyUSB")) || name.startsWith(QStringLiteral("ttyACM"));
}

// The USB device's product name sits a few folders above the tty's device.
QString productOf(const QString& classEntry) {
    QDir folder(QFileInfo(classEntry + QStringLiteral("/device")).canonicalFilePath());
    for (int up = 0; up < 4 && !folder.path().isEmpty(); ++up) {
        const QString product = firstLine(folder.filePath(QStringLiteral("product")));
        if (!product.isEmpty()) {
            return product;
        }
        if (!folder.cdUp()) {
            break;
        }
    }
    return {};
}

} // namespace

QList<SerialPortEntry> serialPortEntries(const QString& ttyClassFolder,
                                         const QString& deviceFolder) {
    const QDir folder(ttyClassFolder);
    const QDir devices(deviceFolder);
    QList<SerialPortEntry> entries;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString classEntry = folder.filePath(name);
        const QString node = devices.filePath(name);
        if (!QFileInfo::exists(classEntry + QStringLiteral("/device")) ||
            !QFileInfo::exists(node)) {
            continue;
        }
        if (name.startsWith(QStringLiteral("ttyS")) && uartOf(classEntry, node) == Uart::absent) {
            continue;
        }
        const bool usb = isUsbAdapter(name);
        entries.append({name, usb ? productOf(classEntry) : QString(), usb});
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return naturalKey(a.name) < naturalKey(b.name); });
    return entries;
}

QStringList listSerialPorts(const QString& ttyClassFolder, const QString& deviceFolder) {
    QStringList names;
    for (const SerialPortEntry& entry : serialPortEntries(ttyClassFolder, deviceFolder)) {
        names.append(entry.name);
    }
    return names;
}

QString firstStartPort(const QList<SerialPortEntry>& entries) {
    const auto usb =
        std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.usb; });
    if (usb != entries.end()) {
        return usb->name;
    }
    return entries.isEmpty() ? QString() : entries.front().name;
}

} // namespace vezu
