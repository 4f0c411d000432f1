#include "app/ribbon_group.hpp"

#include <QAction>
#include <QPainter>

#include "app/command_icons.hpp"
#include "app/ribbon_style.hpp"

namespace vezu {

using namespace ribbon_style;

RibbonGroup::RibbonGroup(const QString& caption, int left, int width, QWidget* parent)
    : QWidget(parent), caption_(caption), left_(left), width_(width), row_(new QHBoxLayout(this)) {
    row_->setContentsMargins(3, 2, 3, kGroupCaptionHeight + 1);
    row_->setSpacing(1);
    row_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QToolButton* RibbonGroup::makeButton(QAction* action, const QString& caption, int image) {
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(action->text());
    button->setIcon(commandIcon(image));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    return button;
}

QToolButton* RibbonGroup::addLarge(QAction* action, const QString& caption, int image) {
    QToolButton* button = makeButton(action, caption, image);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setMinimumHeight(64);
    smallColumn_ = nullptr;
    row_->addWidget(button, 0, Qt::AlignTop);
    return button;
}

QToolButton* RibbonGroup::addSmall(QAction* action, const QString& caption, int image) {
    QToolButton* button = makeButton(action, caption, image);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(16, 16));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (smallColumn_ == nullptr || smallColumn_->count() == 3) {
        smallColumn_ = new QVBoxLayout;
        smallColumn_->setSpacing(0);
        smallColumn_->setAlignment(Qt::AlignTop);
        row_->addLayout(smallColumn_);
    }
    smallColumn_->addWidget(button);
    return button;
}

void RibbonGroup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(kBorder);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 3, 3);

    const QRectF captionBar(frame.left() + 1, frame.bottom() - kGroupCaptionHeight,
                            frame.width() - 2, kGroupCaptionHeight - 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGroupCaption);
    painter.drawRect(captionBar);
    painter.setPen(kText);
    painter.drawText(captionBar, Qt::AlignCenter, caption_);
}

} // namespace vezu
