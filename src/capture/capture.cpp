#include "capture/capture.hpp"

#include "base/error.hpp"
#include "capture/capture_texts.hpp"

namespace vezu {

Capture::Capture(CaptureTimer& timer1, CaptureTimer& timer2, CaptureView& view,
                 serial::HandOverQueue* queue)
    : timer1_(timer1), timer2_(timer2), view_(view), queue_(queue),
      onRxChar_([this](serial::TCustomComPort& sender, std::int32_t count) {
          ComPort1RxChar(sender, count);
      }) {
    newComPort();
}

void Capture::setOnRxChar(RxCharHandler handler) {
    onRxChar_ = std::move(handler);
    port_->OnRxChar = onRxChar_;
}

// A delivery still on its way must find no handler once the capture is gone.
Capture::~Capture() {
    port_->OnRxChar = nullptr;
}

void Capture::newComPort() {
    port_ = std::make_unique<serial::TComPort>();
    if (queue_ != nullptr) {
        port_->setHandOverQueue(*queue_);
    }
    port_->OnRxChar = onRxChar_;
}

void Capture::closeComPort() {
    try {
        port_->SetConnected(false);
    } catch (const std::exception&) {
        // A close that failed (its purge, say) left the device open; the
        // component lets go of it when destroyed.
        newComPort();
    }
}

bool Capture::run(const std::string& portName, const std::string& captureFile,
                  std::function<void(const std::string&)> parse) {
    session_.emplace(captureFile);
    parse_ = std::move(parse);
    port_->SetPort(portName);
    try {
        port_->SetConnected(true);
    } catch (const Error&) {
        closeComPort();
        timer1_.stop();
        session_.reset();
        return false;
    }
    view_.clearMonitor();
    state_ = State::Waiting;
    timer1_.start();
    view_.setWaitText(std::string(kWaitingForData));
    view_.runWaitDialog();
    return true;
}

void Capture::ComPort1RxChar(serial::TCustomComPort& sender, std::int32_t count) {
    if (!session_) {
        return;
    }
    if (state_ == State::Waiting) {
        state_ = State::Receiving;
    }
    view_.setAnimating(true);
    view_.setWaitText(std::string(kReceivingData));
    // The capture ends after a full waiting time of silence since this delivery.
    timer1_.start();
    std::string bytes;
    sender.ReadStr(bytes, count);
    session_->received(bytes);
}

void Capture::Timer1Timer() {
    if (!session_) {
        timer1_.stop();
        return;
    }
    state_ = State::Finishing;
    try {
        finish();
    } catch (...) {
        timer1_.stop();
        closeComPort();
        // What went wrong is reported by the caller; the dialog goes as after
        // a capture, never left up with no way out.
        Timer2Timer();
        throw;
    }
    if (session_->Recebido()) {
        view_.setWaitText(std::string(kDataReceived));
        view_.setAnimating(false);
    } else {
        view_.setWaitText(std::string(kNothingReceived));
    }
    state_ = State::ShowingResult;
    timer2_.start();
}

// The port closes before the file is written: a delivery already on its way
// runs inside the close, and its bytes belong to the capture. The file is
// on disk before the parser can reject it.
void Capture::finish() {
    port_->SetConnected(false);
    timer1_.stop();
    session_->writeCaptureFile();
    parse_(session_->captureFile());
}

void Capture::Timer2Timer() {
    session_.reset();
    state_ = State::Idle;
    view_.closeWaitDialog();
    timer2_.stop();
}

} // namespace vezu
