#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "serial/com_types.hpp"
#include "serial/hand_over_queue.hpp"
#include "serial/platform/serial_device.hpp"
#include "serial/platform/stop_signal.hpp"

namespace vezu::serial {

class TCustomComPort;

// Waits on an open port for the events of its Events set and has each batch
// delivered to the port's routines, as its SyncMethod says. Starts running
// when constructed. When the device goes away it has one last delivery made,
// CallDeviceLost, and ends.
class TComThread {
public:
    explicit TComThread(TCustomComPort& AComPort);
    // Stops the thread and waits for it to end, running handed-over calls
    // meanwhile so that a delivery already on its way cannot deadlock.
    ~TComThread();
    TComThread(const TComThread&) = delete;
    TComThread& operator=(const TComThread&) = delete;

    void Stop();
    // A delivery of this thread is running its handlers right now.
    bool delivering() const { return delivering_; }
    // For a port destroyed by a handler of this thread's running delivery:
    // the thread is stopped and let go; it touches neither the port nor its
    // hand-over queue again and frees itself once the delivery has returned.
    static void abandon(std::unique_ptr<TComThread> thread);

private:
    void Execute();
    void DispatchComMsg();
    void SendEvents();
    void DoEvents();
    void deliver();
    void deliverLoss();
    void dispatchLoss();
    // The port is still there to be told.
    bool portPresent() const;

    TCustomComPort& FComPort;
    std::shared_ptr<platform::SerialDevice> device_;
    HandOverQueue& queue_;
    const TSyncMethod syncMethod_;
    const ThreadPriority priority_;
    platform::StopSignal FStopEvent;
    TComEvents FEvents;
    std::atomic<bool> delivering_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> abandoned_{false};
    std::thread thread_;
};

} // namespace vezu::serial
