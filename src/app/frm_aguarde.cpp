#include "app/frm_aguarde.hpp"

#include <QFrame>

#include "app/dialog_look.hpp"
#include "app/texts.hpp"
#include "capture/capture_texts.hpp"

namespace vezu {
namespace {

constexpr int kClientWidth = 312;
constexpr int kClientHeight = 91;

QFont tahomaOfHeight(int pixels) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

FrmAguarde::FrmAguarde() {
    setObjectName(QStringLiteral("FrmAguarde"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(tahomaOfHeight(11));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, kClientWidth, kClientHeight);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    // The inactive caption's gradient colour of the classic desktop.
    colours.setColor(QPalette::Window, QColor(0xd7, 0xe4, 0xf2));
    panel->setPalette(colours);

    Label1 = new QLabel(QString::fromUtf8(kReceivingData), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 10, 272, 19);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(tahomaOfHeight(16));

    Animate1 = new CopyAnimation(panel);
    Animate1->setGeometry(16, 29, 272, 60);
}

void FrmAguarde::reject() {}

void FrmAguarde::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void FrmAguarde::hideEvent(QHideEvent* event) {
    Animate1->setActive(false);
    QDialog::hideEvent(event);
}

} // namespace vezu
