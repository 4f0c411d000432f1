#include "app/copy_animation.hpp"

#include <QPainter>
#include <QPainterPath>

namespace vezu {
namespace {

// About fifteen frames a second, the pace of the desktop's own copy clip.
constexpr int kFrameMs = 66;

constexpr int kFolderWidth = 56;
constexpr int kFolderTop = 24;
constexpr int kFolderBottom = 56;
constexpr int kSourceLeft = 20;
constexpr int kTargetLeft = 196;
// Where the sheet sits in a folder, and the top of its flight.
constexpr double kSheetRestY = 34;
constexpr double kArcTopY = 12;
constexpr double kSheetWidth = 18;
constexpr double kSheetHeight = 22;

const QColor kFolderBack{0xd4, 0x9b, 0x1c};
const QColor kFolderFront{0xf6, 0xc8, 0x43};
const QColor kFolderEdge{0x8a, 0x62, 0x0c};
const QColor kSheetEdge{0x6e, 0x6e, 0x6e};
const QColor kSheetLines{0x7a, 0x96, 0xc2};

void drawFolderBack(QPainter& painter, int left) {
    QPainterPath back;
    back.moveTo(left, kFolderBottom);
    back.lineTo(left, kFolderTop - 4);
    back.lineTo(left + 4, kFolderTop - 8);
    back.lineTo(left + 20, kFolderTop - 8);
    back.lineTo(left + 24, kFolderTop - 4);
    back.lineTo(left + kFolderWidth, kFolderTop - 4);
    back.lineTo(left + kFolderWidth, kFolderBottom);
    back.closeSubpath();
    painter.setPen(QPen(kFolderEdge, 1));
    painter.setBrush(kFolderBack);
    painter.drawPath(back);
}

void drawFolderFront(QPainter& painter, int left) {
    QPainterPath front;
    front.moveTo(left, kFolderBottom);
    front.lineTo(left - 3, kFolderTop + 14);
    front.lineTo(left + kFolderWidth - 3, kFolderTop + 14);
    front.lineTo(left + kFolderWidth, kFolderBottom);
    front.closeSubpath();
    painter.setPen(QPen(kFolderEdge, 1));
    painter.setBrush(kFolderFront);
    painter.drawPath(front);
}

// The sheet rises out of the first folder, arcs over and falls into the
// second one, turning a little on the way.
void drawSheet(QPainter& painter, double progress) {
    const double fromX = kSourceLeft + kFolderWidth / 2.0;
    const double toX = kTargetLeft + kFolderWidth / 2.0;
    const double x = fromX + (toX - fromX) * progress;
    const double y = kSheetRestY - (kSheetRestY - kArcTopY) * 4 * progress * (1 - progress);

    painter.save();
    painter.translate(x, y);
    painter.rotate(-25 + 50 * progress);
    const QRectF sheet(-kSheetWidth / 2, -kSheetHeight / 2, kSheetWidth, kSheetHeight);
    painter.setPen(QPen(kSheetEdge, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(kSheetLines, 1));
    for (double line = sheet.top() + 5; line < sheet.bottom() - 3; line += 4) {
        painter.drawLine(QPointF(sheet.left() + 3, line), QPointF(sheet.right() - 3, line));
    }
    painter.restore();
}

} // namespace

CopyAnimation::CopyAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Animate1"));
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrameCount;
        update();
    });
}

void CopyAnimation::setActive(bool active) {
    if (active == timer_.isActive()) {
        return;
    }
    frame_ = 0;
    if (active) {
        timer_.start();
    } else {
        timer_.stop();
    }
    update();
}

void CopyAnimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFolderBack(painter, kSourceLeft);
    drawFolderBack(painter, kTargetLeft);
    drawSheet(painter, static_cast<double>(frame_) / (kFrameCount - 1));
    // The fronts go over the sheet, so it leaves one folder and drops into the other.
    drawFolderFront(painter, kSourceLeft);
    drawFolderFront(painter, kTargetLeft);
}

} // namespace vezu
