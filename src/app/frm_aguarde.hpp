#pragma once

#include <QDialog>
#include <QLabel>

#include "app/copy_animation.hpp"

namespace vezu {

// The wait dialog of the serial capture: borderless, it tells where the
// capture stands and keeps the user out of every other command. Only the
// capture closes it; Escape and the window manager's close are ignored.
class FrmAguarde : public QDialog {
public:
    FrmAguarde();

    QLabel* Label1;
    CopyAnimation* Animate1;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // The dialog's FormClose: the animation stops with it.
    void hideEvent(QHideEvent* event) override;
};

} // namespace vezu
