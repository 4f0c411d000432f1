#pragma once

#include <QColor>

class QDialog;
class QWidget;

namespace vezu {

inline const QColor kNavy{0x00, 0x00, 0x80};

// The small dialogs: "MS Sans Serif" 8 point, no buttons in the title bar,
// a fixed client size, one panel filling them.
QWidget* setUpSmallDialog(QDialog& dialog, const QString& caption, int width, int height);

// Centres a window on the screen it is on.
void centreOnScreen(QWidget& window);

} // namespace vezu
