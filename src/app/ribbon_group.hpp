#pragma once

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

class QAction;

namespace vezu {

// One group of the ribbon's tab: large buttons side by side, small ones
// stacked in columns of three, and the caption at the bottom.
class RibbonGroup : public QWidget {
public:
    RibbonGroup(const QString& caption, int left, int width, QWidget* parent);

    // The button shows its own caption (with its accelerator) and runs the action.
    QToolButton* addLarge(QAction* action, const QString& caption, int image);
    QToolButton* addSmall(QAction* action, const QString& caption, int image);

    QString caption() const { return caption_; }
    int plannedLeft() const { return left_; }
    int plannedWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* makeButton(QAction* action, const QString& caption, int image);

    QString caption_;
    int left_;
    int width_;
    QHBoxLayout* row_;
    QVBoxLayout* smallColumn_ = nullptr;
};

} // namespace vezu
