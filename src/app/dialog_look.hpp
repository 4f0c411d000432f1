#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace vezu {

inline const QColor kNavy{0x00, 0x00, 0x80};

// The small dialogs: "MS Sans Serif" 8 point, no buttons in the title bar,
// a fixed client size, one panel filling them.
QWidget* setUpSmallDialog(QDialog& dialog, const QString& caption, int width, int height);

// The top-left corner of a window frame of the size given: centred in the
// available area where it fits, else against that area's top or left edge,
// so the title bar stays on the screen.
QPoint framePosition(const QSize& frame, const QRect& available);

// Centres a window, frame included, inside its screen's available area. The
// window manager adds the frame only once the window is mapped, so until
// then the frame of the windows seen before stands in for it, and the
// window is placed again as soon as its own frame is known.
void centreOnScreen(QWidget& window);

} // namespace vezu
