// "Conectar Indicador": a listing received over the serial line.
#include "app/frm_aguarde.hpp"
#include "app/frm_monitor.hpp"
#include "app/frm_princ.hpp"
#include "app/user_interaction.hpp"
#include "base/error.hpp"
#include "capture/capture_texts.hpp"

namespace vezu {

void FrmPrinc::ConectarExecute() {
    if (!discardBeforeLoading()) {
        return;
    }
    capture_.emplace((CamCon + QString::fromUtf8(kCaptureFileName)).toStdString());
    ComPort1->SetPort(portName_.toStdString());
    try {
        ComPort1->SetConnected(true);
    } catch (const Error&) {
        closeComPort();
        Timer1.stop();
        capture_.reset();
        ui_.showMessage(QString::fromUtf8(kCannotOpenPort));
        return;
    }
    monitor_->Memo1->clear();
    Timer1.start();
    aguarde_->Label1->setText(QString::fromUtf8(kWaitingForData));
    aguarde_->exec();
}

void FrmPrinc::ComPort1RxChar(serial::TCustomComPort& Sender, std::int32_t Count) {
    aguarde_->Animate1->setActive(true);
    aguarde_->Label1->setText(QString::fromUtf8(kReceivingData));
    // The capture ends after a full waiting time of silence since this delivery.
    Timer1.start();
    std::string bytes;
    Sender.ReadStr(bytes, Count);
    capture_->received(bytes);
}

void FrmPrinc::Timer1Timer() {
    const bool finished = runCommand([this] { finishCapture(); },
                                     [this] {
                                         Timer1.stop();
                                         closeComPort();
                                     });
    if (!finished) {
        // The error report has said what went wrong; the dialog goes as
        // after a capture, never left up with no way out.
        Timer2Timer();
        return;
    }
    if (capture_->Recebido()) {
        aguarde_->Label1->setText(QString::fromUtf8(kDataReceived));
        aguarde_->Animate1->setActive(false);
    } else {
        aguarde_->Label1->setText(QString::fromUtf8(kNothingReceived));
    }
    Timer2.start();
}

// The port closes before the file is written: a delivery already on its way
// runs inside the close, and its bytes belong to the capture. The file is
// on disk before the parser can reject it.
void FrmPrinc::finishCapture() {
    ComPort1->SetConnected(false);
    Timer1.stop();
    capture_->writeCaptureFile();
    Caminho = QString::fromStdString(capture_->captureFile());
    if (Modelo == 0) {
        Action1Execute();
    }
    if (Modelo == 1) {
        Action2Execute();
    }
}

void FrmPrinc::Timer2Timer() {
    capture_.reset();
    aguarde_->accept();
    Timer2.stop();
}

void FrmPrinc::newComPort() {
    ComPort1 = std::make_unique<serial::TComPort>();
    ComPort1->OnRxChar = [this](serial::TCustomComPort& sender, std::int32_t count) {
        ComPort1RxChar(sender, count);
    };
}

void FrmPrinc::closeComPort() {
    try {
        ComPort1->SetConnected(false);
    } catch (const std::exception&) {
        // A close that failed (its purge, say) left the device open; the
        // component lets go of it when destroyed.
        newComPort();
    }
}

} // namespace vezu
