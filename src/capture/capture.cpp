#include "capture/capture.hpp"

#include "analysis/capture_archive.hpp"
#include "base/error.hpp"
#include "capture/capture_texts.hpp"
#include "capture/port_open_reason.hpp"

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
    port_->OnDeviceLost = nullptr;
}

void Capture::newComPort() {
    port_ = std::make_unique<serial::TComPort>();
    if (queue_ != nullptr) {
        port_->setHandOverQueue(*queue_);
    }
    port_->OnRxChar = onRxChar_;
    port_->OnDeviceLost = [this](serial::TCustomComPort& sender) { ComPort1DeviceLost(sender); };
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
    outcome_ = {};
    openFailure_.clear();
    port_->SetPort(portName);
    try {
        port_->SetConnected(true);
    } catch (const Error& error) {
        openFailure_ = portOpenReason(portName, error);
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

void Capture::ComPort1DeviceLost(serial::TCustomComPort&) {
    if (!capturing()) {
        return;
    }
    session_->lostDevice();
    view_.endCaptureSoon();
}

bool Capture::capturing() const {
    return session_ && (state_ == State::Waiting || state_ == State::Receiving);
}

void Capture::Timer1Timer() {
    if (!capturing()) {
        // A second end (the timer after a lost device, say) finds it over.
        if (!session_) {
            timer1_.stop();
        }
        return;
    }
    state_ = State::Finishing;
    try {
        finish();
    } catch (const Error& error) {
        timer1_.stop();
        closeComPort();
        const bool lost = outcome_.deviceLost;
        Timer2Timer();
        if (lost) {
            throw Error(std::string(kDeviceDisconnected) + "\n" + error.what());
        }
        throw;
    } catch (...) {
        timer1_.stop();
        closeComPort();
        // What went wrong is reported by the caller; the dialog goes as after
        // a capture, never left up with no way out.
        Timer2Timer();
        throw;
    }
    showResult();
    state_ = State::ShowingResult;
    timer2_.start();
}

void Capture::showResult() {
    if (outcome_.deviceLost) {
        view_.setWaitText(std::string(kDeviceDisconnected));
        view_.setAnimating(false);
    } else if (outcome_.received) {
        view_.setWaitText(std::string(kDataReceived));
        view_.setAnimating(false);
    } else {
        view_.setWaitText(std::string(kNothingReceived));
    }
}

// The port closes before the file is written: a delivery already on its way
// runs inside the close, and its bytes belong to the capture. The file is
// on disk before the parser can reject it.
void Capture::finish() {
    outcome_.deviceLost = session_->deviceLost();
    port_->SetConnected(false);
    timer1_.stop();
    outcome_ = {session_->Recebido(), session_->deviceLost()};
    session_->writeCaptureFile();
    archive();
    parse_(session_->captureFile());
}

void Capture::archive() {
    if (archiveFolder_.empty() || !outcome_.received) {
        return;
    }
    try {
        archiveCaptureFile(session_->captureFile(), archiveFolder_, localNow());
    } catch (const std::exception& error) {
        if (errorReport_) {
            errorReport_(error);
        }
    }
}

void Capture::Timer2Timer() {
    session_.reset();
    state_ = State::Idle;
    view_.closeWaitDialog();
    timer2_.stop();
}

} // namespace vezu
