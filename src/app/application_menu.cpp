#include "app/application_menu.hpp"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "app/command_icons.hpp"
#include "app/ribbon_style.hpp"

namespace vezu {

ApplicationMenu::ApplicationMenu(QWidget* parent)
    : QFrame(parent, Qt::Popup), commands_(new QVBoxLayout), exports_(new QVBoxLayout) {
    setObjectName(QStringLiteral("RibbonApplicationMenuBar1"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ribbon_style::kPanelTopColour);
    colours.setColor(QPalette::WindowText, ribbon_style::kBorder);
    setPalette(colours);

    auto* panes = new QHBoxLayout(this);
    panes->setContentsMargins(6, 6, 6, 6);
    panes->addLayout(commands_);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    panes->addWidget(divider);
    panes->addLayout(exports_);

    auto* title = new QLabel(QStringLiteral("Exportar :"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setStyleSheet(QStringLiteral("color: #15428b; padding: 2px 4px;"));
    exports_->addWidget(title);
    commands_->setAlignment(Qt::AlignTop);
    exports_->setAlignment(Qt::AlignTop);
}

QToolButton* ApplicationMenu::makeItem(QAction* action, const QString& caption, int image,
                                       int iconSize) {
    auto* item = new QToolButton(this);
    item->setText(caption);
    item->setIcon(commandIcon(image));
    item->setIconSize(QSize(iconSize, iconSize));
    item->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    item->setAutoRaise(true);
    item->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(item, &QToolButton::clicked, this, [this, action] {
        hide();
        action->trigger();
    });
    return item;
}

QToolButton* ApplicationMenu::addCommand(QAction* action, const QString& caption, int image) {
    QToolButton* item = makeItem(action, caption, image, 32);
    commands_->addWidget(item);
    return item;
}

QToolButton* ApplicationMenu::addExport(QAction* action, const QString& caption, int image) {
    QToolButton* item = makeItem(action, caption, image, 16);
    exports_->addWidget(item);
    return item;
}

} // namespace vezu
