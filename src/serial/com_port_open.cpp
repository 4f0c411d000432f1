#include <algorithm>

#include "serial/com_error.hpp"
#include "serial/com_open_error.hpp"
#include "serial/com_thread.hpp"
#include "serial/custom_com_port.hpp"

namespace vezu::serial {

void TCustomComPort::CreateHandle() {
    auto opened = platform::openSerialDevice(port_);
    if (!opened.device)
        throw EComPortOpen(opened.error, std::move(opened.holder));
    handle_ = std::move(opened.device);
}

void TCustomComPort::DestroyHandle() {
    // Dropped even when closing reports an error: the descriptor is gone
    // either way, and a stale one would be reused by whatever opens next.
    if (handle_)
        handle_->close();
    handle_.reset();
}

void TCustomComPort::Open() {
    if (connected_)
        return;
    releaseRetiredThreads();
    DoBeforeOpen();
    deviceLost_ = false;
    CreateHandle();
    connected_ = true;
    try {
        SetupComPort();
    } catch (...) {
        DestroyHandle();
        connected_ = false;
        throw;
    }
    if (!events_.empty()) {
        eventThread_ = std::make_unique<TComThread>(*this);
        threadCreated_ = true;
    }
    DoAfterOpen();
    CallCTSChange();
    CallDSRChange();
    CallRLSDChange();
}

void TCustomComPort::Close() {
    if (!connected_)
        return;
    DoCTSChange(false);
    DoDSRChange(false);
    DoRLSDChange(false);
    DoBeforeClose();
    AbortAllAsync();
    if (threadCreated_)
        stopEventThread();
    DestroyHandle();
    connected_ = false;
    DoAfterClose();
}

void TCustomComPort::stopEventThread() {
    threadCreated_ = false;
    if (!eventThread_)
        return;
    if (eventThread_->delivering()) {
        // Closed by a handler of this very thread: it cannot be waited for
        // here, it ends as soon as the handler returns.
        eventThread_->Stop();
        retiredThreads_.push_back(std::move(eventThread_));
        return;
    }
    eventThread_.reset();
}

void TCustomComPort::releaseRetiredThreads() {
    std::erase_if(retiredThreads_, [](const auto& thread) { return !thread->delivering(); });
}

void TCustomComPort::forceClosed() noexcept {
    try {
        Close();
    } catch (...) {
        // Going away regardless: a failed purge must not keep the device.
    }
    if (connected_) {
        threadCreated_ = false;
        if (eventThread_)
            retiredThreads_.push_back(std::move(eventThread_));
        DestroyHandle();
        connected_ = false;
    }
    // A thread whose delivery is running (the port is destroyed by its own
    // handler) cannot be waited for: it is let go and ends by itself.
    for (auto& thread : retiredThreads_)
        if (thread->delivering())
            TComThread::abandon(std::move(thread));
    retiredThreads_.clear();
}

void TCustomComPort::DoAfterClose() {
    if (OnAfterClose)
        OnAfterClose(*this);
}

void TCustomComPort::DoAfterOpen() {
    if (OnAfterOpen)
        OnAfterOpen(*this);
}

void TCustomComPort::DoBeforeClose() {
    if (OnBeforeClose)
        OnBeforeClose(*this);
}

void TCustomComPort::DoBeforeOpen() {
    if (OnBeforeOpen)
        OnBeforeOpen(*this);
}

} // namespace vezu::serial
