#include "serial/com_thread.hpp"

#include <array>
#include <utility>

#include "serial/custom_com_port.hpp"
#include "serial/driver_values.hpp"

namespace vezu::serial {

using namespace platform;

namespace {

using Routine = void (TCustomComPort::*)();

// Line errors are collected (clearing the driver's error state) before the
// received bytes are announced.
constexpr std::array<std::pair<TComEvent, Routine>, 10> kDeliveryOrder = {{
    {TComEvent::evError, &TCustomComPort::CallError},
    {TComEvent::evRxChar, &TCustomComPort::CallRxChar},
    {TComEvent::evTxEmpty, &TCustomComPort::CallTxEmpty},
    {TComEvent::evBreak, &TCustomComPort::CallBreak},
    {TComEvent::evRing, &TCustomComPort::CallRing},
    {TComEvent::evCTS, &TCustomComPort::CallCTSChange},
    {TComEvent::evDSR, &TCustomComPort::CallDSRChange},
    {TComEvent::evRxFlag, &TCustomComPort::CallRxFlag},
    {TComEvent::evRLSD, &TCustomComPort::CallRLSDChange},
    {TComEvent::evRx80Full, &TCustomComPort::CallRx80Full},
}};

class DeliveryFlag {
public:
    explicit DeliveryFlag(std::atomic<bool>& flag) : flag_(flag) { flag_ = true; }
    ~DeliveryFlag() { flag_ = false; }
    DeliveryFlag(const DeliveryFlag&) = delete;
    DeliveryFlag& operator=(const DeliveryFlag&) = delete;

private:
    std::atomic<bool>& flag_;
};

} // namespace

TComThread::TComThread(TCustomComPort& AComPort)
    : FComPort(AComPort), device_(AComPort.sharedHandle()), queue_(AComPort.handOverQueue()),
      syncMethod_(AComPort.SyncMethod()), priority_(AComPort.EventThreadPriority()) {
    device_->setEventMask(EventsToInt(AComPort.Events()));
    thread_ = std::thread(&TComThread::Execute, this);
}

TComThread::~TComThread() {
    if (abandoned_)
        return;
    Stop();
    queue_.processUntil([this] { return finished_.load(); });
    thread_.join();
}

void TComThread::abandon(std::unique_ptr<TComThread> thread) {
    TComThread* const running = thread.release();
    running->Stop();
    running->thread_.detach();
    running->abandoned_ = true;
}

void TComThread::Stop() {
    FStopEvent.set();
    std::this_thread::yield();
}

void TComThread::Execute() {
    setCurrentThreadPriority(priority_);
    bool stopped = false;
    try {
        for (;;) {
            const WaitResult result = device_->waitEvent(&FStopEvent, kWaitForever);
            if (result.status == WaitStatus::hungUp && !abandoned_)
                dispatchLoss();
            if (result.status != WaitStatus::events || abandoned_) {
                stopped = result.status == WaitStatus::stopped;
                break;
            }
            FEvents = IntToEvents(result.events);
            DispatchComMsg();
        }
    } catch (...) {
        // A handler's error ends the deliveries of this open port; nobody is
        // told, and what is still queued stays there for the program to read.
    }
    device_->setEventMask(0);
    if (stopped)
        device_->purge(PURGE_TXCLEAR | PURGE_RXCLEAR);
    if (abandoned_) {
        // Nobody waits for us and the queue may be gone with the port.
        delete this;
        return;
    }
    finished_ = true;
    queue_.wakeWaiters();
}

bool TComThread::portPresent() const {
    return !abandoned_ && FComPort.Connected();
}

void TComThread::dispatchLoss() {
    switch (syncMethod_) {
    case TSyncMethod::smThreadSync:
        queue_.runAndWait([this] { deliverLoss(); });
        break;
    case TSyncMethod::smWindowSync: {
        TCustomComPort& port = FComPort;
        queue_.send([&port] {
            if (port.Connected())
                port.CallDeviceLost();
        });
        break;
    }
    case TSyncMethod::smNone:
        deliverLoss();
        break;
    }
}

void TComThread::deliverLoss() {
    DeliveryFlag flag(delivering_);
    if (portPresent())
        FComPort.CallDeviceLost();
}

void TComThread::DispatchComMsg() {
    switch (syncMethod_) {
    case TSyncMethod::smThreadSync:
        queue_.runAndWait([this] { deliver(); });
        break;
    case TSyncMethod::smWindowSync:
        SendEvents();
        break;
    case TSyncMethod::smNone:
        deliver();
        break;
    }
}

void TComThread::deliver() {
    DeliveryFlag flag(delivering_);
    DoEvents();
}

void TComThread::DoEvents() {
    for (const auto& [event, routine] : kDeliveryOrder) {
        // A handler may have closed the port, or destroyed it.
        if (!portPresent())
            return;
        if (FEvents.contains(event))
            (FComPort.*routine)();
    }
}

void TComThread::SendEvents() {
    TCustomComPort& port = FComPort;
    for (const auto& [event, routine] : kDeliveryOrder)
        if (FEvents.contains(event)) {
            const std::uint32_t bit = eventMaskBit(event);
            queue_.send([&port, bit] { port.WindowMethod(bit); });
        }
}

} // namespace vezu::serial
