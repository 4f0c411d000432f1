#include "app/frm_aguarde.hpp"

#include <QVBoxLayout>

#include "app/texts.hpp"

namespace vezu {

FrmAguarde::FrmAguarde() : Label1(new QLabel(this)) {
    setObjectName(QStringLiteral("FrmAguarde"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(true);
    Label1->setAlignment(Qt::AlignCenter);
    auto* fill = new QVBoxLayout(this);
    fill->addWidget(Label1);
}

} // namespace vezu
