#include "app/frm_monitor.hpp"

#include <QVBoxLayout>

namespace vezu {

FrmMonitor::FrmMonitor() : Memo1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("FrmMonitor"));
    setWindowTitle(QStringLiteral("Monitor"));
    setAttribute(Qt::WA_QuitOnClose, false);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Memo1);
}

} // namespace vezu
