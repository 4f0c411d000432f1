#include "app/serial_port_list.hpp"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <tuple>

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

} // namespace

QStringList listSerialPorts(const QString& ttyClassFolder) {
    const QDir folder(ttyClassFolder);
    QStringList ports;
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (QFileInfo::exists(folder.filePath(name + QStringLiteral("/device")))) {
            ports.append(name);
        }
    }
    std::sort(ports.begin(), ports.end(), [](const QString& a, const QString& b) {
        return naturalKey(a) < naturalKey(b);
    });
    return ports;
}

} // namespace vezu
