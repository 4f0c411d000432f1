#include "app/dialog_look.hpp"

#include <QDialog>
#include <QScreen>

namespace vezu {

QWidget* setUpSmallDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setAttribute(Qt::WA_QuitOnClose, false);
    dialog.setModal(true);
    dialog.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    dialog.setFixedSize(width, height);

    auto* panel = new QWidget(&dialog);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, width, height);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    // The inactive caption's gradient colour of the classic desktop.
    colours.setColor(QPalette::Window, QColor(0xd7, 0xe4, 0xf2));
    panel->setPalette(colours);
    return panel;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace vezu
