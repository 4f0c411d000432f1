#include "app/dialog_look.hpp"

#include <algorithm>

#include <QDialog>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWindow>

namespace vezu {
namespace {

// The frame of the last window the window manager framed.
QMargins lastFrame;

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void place(QWidget& window, const QMargins& frame) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QSize frameSize = window.size().grownBy(frame);
    const QPoint corner = framePosition(frameSize, screen->availableGeometry());
    // Qt moves the frame once it knows it, the client before: the part of
    // the frame it does not know yet is left for the client.
    const QMargins known = frameOf(window);
    window.move(corner + QPoint(frame.left() - known.left(), frame.top() - known.top()));
}

// Places its window again whenever the window's frame turns out other than
// the one it was placed with; the user moving the window changes no frame.
class FrameWatcher : public QObject {
public:
    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("FrameWatcher"));
        window.installEventFilter(this);
        if (QWindow* handle = window.windowHandle()) {
            handle->installEventFilter(this);
        }
    }

    void placeWith(const QMargins& frame) {
        placedWith_ = frame;
        place(window_, frame);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        // The frame is known once the window is mapped, and may change later.
        if (event->type() == QEvent::Expose || event->type() == QEvent::Move) {
            const QMargins frame = frameOf(window_);
            if (!frame.isNull()) {
                lastFrame = frame;
            }
            if (frame != placedWith_ && !frame.isNull()) {
                placeWith(frame);
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QMargins placedWith_;
};

} // namespace

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

QPoint framePosition(const QSize& frame, const QRect& available) {
    return {available.left() + std::max(0, (available.width() - frame.width()) / 2),
            available.top() + std::max(0, (available.height() - frame.height()) / 2)};
}

void centreOnScreen(QWidget& window) {
    auto* watcher =
        window.findChild<FrameWatcher*>(QStringLiteral("FrameWatcher"), Qt::FindDirectChildrenOnly);
    if (watcher == nullptr) {
        watcher = new FrameWatcher(window);
    }
    const QMargins own = frameOf(window);
    watcher->placeWith(own.isNull() ? lastFrame : own);
}

} // namespace vezu
