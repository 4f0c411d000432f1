#pragma once

#include <vector>

#include <QToolButton>
#include <QWidget>

#include "app/application_menu.hpp"
#include "app/ribbon_group.hpp"

class QAction;

namespace vezu {

// The ribbon: its caption, the application menu button, one tab whose
// caption names the model, the tab's groups and the help button.
class Ribbon : public QWidget {
public:
    explicit Ribbon(QWidget* parent);

    // The caption of the tab RibbonPage1.
    void setTabCaption(const QString& caption);
    QString tabCaption() const { return tabCaption_; }

    RibbonGroup* addGroup(const QString& objectName, const QString& caption, int left, int width);
    ApplicationMenu& applicationMenu() { return *menu_; }
    void setHelpAction(QAction* help);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QRect tabRect() const;
    // Groups keep their planned place unless a caption in the installed
    // font needs more room, which then pushes the groups after it.
    void arrangeGroups();

    QString tabCaption_;
    std::vector<RibbonGroup*> groups_;
    QToolButton* menuButton_;
    QToolButton* helpButton_;
    ApplicationMenu* menu_;
};

} // namespace vezu
