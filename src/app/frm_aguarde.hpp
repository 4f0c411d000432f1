#pragma once

#include <QDialog>
#include <QLabel>

namespace vezu {

// The wait dialog of the serial capture; it tells where the capture stands.
class FrmAguarde : public QDialog {
public:
    FrmAguarde();

    QLabel* Label1;
};

} // namespace vezu
