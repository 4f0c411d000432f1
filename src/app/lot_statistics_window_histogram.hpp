#pragma once

#include <vector>

#include <QPainter>
#include <QString>
#include <QWidget>

#include "analysis/weight_classes.hpp"

namespace vezu {

// Bars of the weight classes with their counts, on any paint device, so the
// screen, the printer, PNG and PDF show the same drawing. Without classes
// the message is drawn instead.
void paintHistogram(QPainter& painter, const QRectF& area, const std::vector<WeightClass>& classes,
                    const QString& title, const QString& message);

class HistogramView : public QWidget {
public:
    explicit HistogramView(QWidget* parent = nullptr);

    void setHistogram(std::vector<WeightClass> classes, QString title, QString message);
    const std::vector<WeightClass>& classes() const { return classes_; }
    const QString& title() const { return title_; }
    const QString& message() const { return message_; }

    QSize sizeHint() const override { return {520, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<WeightClass> classes_;
    QString title_;
    QString message_;
};

} // namespace vezu
