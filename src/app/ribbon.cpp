#include "app/ribbon.hpp"

#include <QAction>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "app/command_icons.hpp"
#include "app/ribbon_style.hpp"
#include "app/texts.hpp"

namespace vezu {

using namespace ribbon_style;

namespace {

constexpr int kMenuButtonSize = 40;
constexpr int kTabLeft = 50;

} // namespace

Ribbon::Ribbon(QWidget* parent)
    : QWidget(parent), tabCaption_(QString::fromUtf8(kModelNotConfigured)),
      menuButton_(new QToolButton(this)), helpButton_(new QToolButton(this)),
      menu_(new ApplicationMenu(this)) {
    setObjectName(QStringLiteral("Ribbon1"));

    menuButton_->setObjectName(QStringLiteral("ApplicationMenuButton"));
    menuButton_->setIcon(drawnIcon(QStringLiteral(":/icons/menu.svg"), {kMenuButtonSize}));
    menuButton_->setIconSize(QSize(kMenuButtonSize, kMenuButtonSize));
    menuButton_->setAutoRaise(true);
    menuButton_->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    menuButton_->setGeometry(4, 3, kMenuButtonSize + 2, kMenuButtonSize + 2);
    connect(menuButton_, &QToolButton::clicked, this, [this] {
        // A popup is a window of its own and does not inherit the font.
        menu_->setFont(font());
        menu_->adjustSize();
        menu_->move(mapToGlobal(QPoint(4, menuButton_->geometry().bottom())));
        menu_->show();
    });

    helpButton_->setObjectName(QStringLiteral("HelpButton"));
    helpButton_->setIcon(drawnIcon(QStringLiteral(":/icons/help.svg"), {16}));
    helpButton_->setAutoRaise(true);
    helpButton_->setToolTip(QStringLiteral("Help"));
}

void Ribbon::setTabCaption(const QString& caption) {
    tabCaption_ = caption;
    update();
}

RibbonGroup* Ribbon::addGroup(const QString& objectName, const QString& caption, int left,
                              int width) {
    auto* group = new RibbonGroup(caption, left, width, this);
    group->setObjectName(objectName);
    groups_.push_back(group);
    arrangeGroups();
    return group;
}

void Ribbon::setHelpAction(QAction* help) {
    connect(helpButton_, &QToolButton::clicked, help, &QAction::trigger);
}

void Ribbon::arrangeGroups() {
    const int top = kPanelY + 3;
    const int height = this->height() - top - 3;
    int reached = 0;
    for (RibbonGroup* group : groups_) {
        const int left = std::max(group->plannedLeft(), reached + 2);
        const int width = std::max(group->plannedWidth(), group->sizeHint().width());
        group->setGeometry(left, top, width, height);
        reached = left + width;
    }
    helpButton_->setGeometry(width() - 24, kCaptionHeight + 2, 20, kTabRowHeight - 3);
}

void Ribbon::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    arrangeGroups();
}

QRect Ribbon::tabRect() const {
    const int textWidth = fontMetrics().horizontalAdvance(tabCaption_);
    return {kTabLeft, kCaptionHeight + 3, textWidth + 24, kTabRowHeight - 3};
}

void Ribbon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient caption(0, 0, 0, kCaptionHeight);
    caption.setColorAt(0, kCaptionTop);
    caption.setColorAt(1, kCaptionBottom);
    painter.fillRect(0, 0, width(), kCaptionHeight, caption);
    painter.fillRect(0, kCaptionHeight, width(), kTabRowHeight, kTabRow);

    QLinearGradient panel(0, kPanelY, 0, height());
    panel.setColorAt(0, kPanelTopColour);
    panel.setColorAt(1, kPanelBottomColour);
    painter.fillRect(0, kPanelY, width(), height() - kPanelY, panel);
    painter.setPen(kBorder);
    painter.drawLine(0, kPanelY, width(), kPanelY);
    painter.drawLine(0, height() - 1, width(), height() - 1);

    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), kCaptionHeight), Qt::AlignCenter,
                     QString::fromUtf8(kRibbonCaption));

    // The one tab, selected, open towards the panel below it.
    const QRectF tab = QRectF(tabRect()).adjusted(0.5, 0.5, -0.5, 0);
    QPainterPath outline;
    outline.moveTo(tab.bottomLeft() + QPointF(0, 1));
    outline.lineTo(tab.left(), tab.top() + 3);
    outline.quadTo(tab.topLeft(), tab.topLeft() + QPointF(3, 0));
    outline.lineTo(tab.right() - 3, tab.top());
    outline.quadTo(tab.topRight(), tab.topRight() + QPointF(0, 3));
    outline.lineTo(tab.bottomRight() + QPointF(0, 1));
    painter.setPen(kBorder);
    painter.setBrush(kPanelTopColour);
    painter.drawPath(outline);
    painter.setFont(font());
    painter.setPen(kText);
    painter.drawText(tabRect(), Qt::AlignCenter, tabCaption_);
}

} // namespace vezu
