#include "app/lot_statistics_window_histogram.hpp"

#include <algorithm>
#include <cmath>

#include <QPaintEvent>

namespace vezu {

void paintHistogram(QPainter& painter, const QRectF& area, const std::vector<WeightClass>& classes,
                    const QString& title, const QString& message) {
    painter.save();
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const qreal line = metrics.height();
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.5), Qt::AlignCenter,
                     title);
    const QRectF plot = area.adjusted(line * 3, line * 2, -line, -line * 3.5);
    if (classes.empty()) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, message);
        painter.restore();
        return;
    }
    std::size_t highest = 1;
    for (const WeightClass& c : classes) {
        highest = std::max(highest, c.count);
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawText(QRectF(area.left(), plot.top() - line * 1.2, line * 6, line), Qt::AlignLeft,
                     QStringLiteral("Animais"));
    painter.drawText(QRectF(area.left(), area.bottom() - line * 1.2, area.width(), line),
                     Qt::AlignCenter, QStringLiteral("Peso (kg)"));
    const qreal slot = plot.width() / static_cast<qreal>(classes.size());
    const auto rangeText = [](const WeightClass& c) {
        return QString::number(c.from) + QStringLiteral("–") + QString::number(c.to);
    };
    qreal labelWidth = 0;
    for (const WeightClass& c : classes) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(rangeText(c)) + line / 2);
    }
    // Labels under narrow bars would overlap: every n-th one only.
    const std::size_t labelEvery = static_cast<std::size_t>(std::ceil(labelWidth / slot));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const WeightClass& c = classes[i];
        const qreal x = plot.left() + slot * static_cast<qreal>(i);
        const qreal height =
            (plot.height() - line) * static_cast<qreal>(c.count) / static_cast<qreal>(highest);
        const QRectF bar(x + slot * 0.1, plot.bottom() - height, slot * 0.8, height);
        painter.fillRect(bar, QColor(70, 120, 180));
        if (c.count > 0 && slot >= metrics.horizontalAdvance(QString::number(c.count))) {
            painter.drawText(QRectF(x, bar.top() - line, slot, line), Qt::AlignCenter,
                             QString::number(c.count));
        }
        if (i % labelEvery == 0) {
            const QString range =
                QString::number(c.from) + QStringLiteral("–") + QString::number(c.to);
            painter.drawText(
                QRectF(x + slot / 2 - labelWidth / 2, plot.bottom() + line * 0.2, labelWidth, line),
                Qt::AlignCenter, rangeText(c));
        }
    }
    painter.restore();
}

HistogramView::HistogramView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Histograma"));
    setMinimumSize(320, 200);
}

void HistogramView::setHistogram(std::vector<WeightClass> classes, QString title, QString message) {
    classes_ = std::move(classes);
    title_ = std::move(title);
    message_ = std::move(message);
    update();
}

void HistogramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintHistogram(painter, rect(), classes_, title_, message_);
}

} // namespace vezu
