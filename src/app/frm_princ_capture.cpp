// "Conectar Indicador": the handlers of the capture and the wait dialog it drives.
#include "app/frm_aguarde.hpp"
#include "app/frm_monitor.hpp"
#include "app/frm_princ.hpp"

namespace vezu {

void FrmPrinc::ConectarExecute() {
    commands_.ConectarExecute(capture_, portName_.toStdString(), "");
}

void FrmPrinc::ComPort1RxChar(serial::TCustomComPort& Sender, std::int32_t Count) {
    capture_.ComPort1RxChar(Sender, Count);
}

// The capture has closed the port and the dialog when this reports an error.
void FrmPrinc::Timer1Timer() {
    runCommand([this] { capture_.Timer1Timer(); });
}

void FrmPrinc::Timer2Timer() {
    capture_.Timer2Timer();
}

void FrmPrinc::clearMonitor() {
    monitor_->Memo1->clear();
}

void FrmPrinc::setWaitText(const std::string& text) {
    aguarde_->Label1->setText(QString::fromStdString(text));
}

void FrmPrinc::setAnimating(bool animating) {
    aguarde_->Animate1->setActive(animating);
}

void FrmPrinc::runWaitDialog() {
    aguarde_->exec();
}

void FrmPrinc::closeWaitDialog() {
    aguarde_->accept();
}

// Queued on the window, so it is dropped if the window goes first.
void FrmPrinc::endCaptureSoon() {
    QMetaObject::invokeMethod(
        this, [this] { Timer1Timer(); }, Qt::QueuedConnection);
}

} // namespace vezu
