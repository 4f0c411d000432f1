#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace vezu {

// The monitor window: one text box filling it, for the bytes of a capture.
class FrmMonitor : public QWidget {
public:
    FrmMonitor();

    QPlainTextEdit* Memo1;
};

} // namespace vezu
