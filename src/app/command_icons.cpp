#include "app/command_icons.hpp"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>

namespace vezu {
namespace {

constexpr std::array<const char*, 9> kImages{
    "0-excel",    "1-csv",  "2-indicator", "3-pendrive", "4-printer",
    "5-settings", "6-exit", "7-about",     "8-pdf",
};

} // namespace

QIcon drawnIcon(const QString& resource, const QList<int>& sizes) {
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (const int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon commandIcon(int image) {
    return drawnIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kImages.at(image))),
                     {16, 32});
}

} // namespace vezu
