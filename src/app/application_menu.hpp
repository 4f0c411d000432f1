#pragma once

#include <QFrame>
#include <QVBoxLayout>

class QAction;
class QToolButton;

namespace vezu {

// The ribbon's application menu: the commands on the left, the pane
// "Exportar :" on the right.
class ApplicationMenu : public QFrame {
public:
    explicit ApplicationMenu(QWidget* parent);

    QToolButton* addCommand(QAction* action, const QString& caption, int image);
    QToolButton* addExport(QAction* action, const QString& caption, int image);

private:
    QToolButton* makeItem(QAction* action, const QString& caption, int image, int iconSize);

    QVBoxLayout* commands_;
    QVBoxLayout* exports_;
};

} // namespace vezu
