#pragma once

#include <atomic>
#include <cerrno>
#include <deque>
#include <memory>
#include <mutex>

#include "serial/platform/posix_event_fd.hpp"
#include "serial/platform/posix_uucp_lock.hpp"
#include "serial/platform/serial_device.hpp"

namespace vezu::serial::platform {

// What a terminal answers once its device has gone.
inline bool deviceGoneError(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

// A terminal device through termios. Received bytes are moved into a queue of
// our own while events are awaited, so every new arrival is one EV_RXCHAR and
// the event byte can be seen; reads take that queue first, then the kernel's.
class PosixSerialDevice final : public SerialDevice {
public:
    PosixSerialDevice(int fd, bool hasModemLines, bool hasLineCounters,
                      std::unique_ptr<UucpLock> lock = nullptr);
    ~PosixSerialDevice() override;

    int setState(const DCB& dcb) override;
    int setTimeouts(const COMMTIMEOUTS& timeouts) override;
    int setupQueues(std::uint32_t inputSize, std::uint32_t outputSize) override;
    int purge(std::uint32_t flags) override;
    int clearError(std::uint32_t& errors, COMSTAT& status) override;
    int modemStatus(std::uint32_t& status) override;
    int escape(std::uint32_t function) override;
    int transmitChar(char ch) override;
    IoResult read(std::uint8_t* buffer, std::uint32_t count, const StopSignal* cancel) override;
    IoResult write(const std::uint8_t* data, std::uint32_t count,
                   const StopSignal* cancel) override;
    int setEventMask(std::uint32_t mask) override;
    WaitResult waitEvent(const StopSignal* stop, int timeoutMs) override;
    int close() override;

    // Bytes taken from the descriptor so far; what the device has returned.
    std::uint64_t bytesTaken() const { return bytesTaken_; }

private:
    struct LineCounters {
        int frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
    };

    std::uint32_t takeQueued(std::uint8_t* buffer, std::uint32_t count);
    std::uint32_t kernelInputCount() const;
    // New CE_ bits since the last look; they also wait for clearError.
    std::uint32_t collectLineErrors();
    int modemBits(int& bits) const;
    int setModemLines(const DCB& dcb);
    std::uint32_t pendingEvents(std::uint32_t mask);
    std::uint32_t drainInput(std::uint32_t mask);
    void refreshBaselines();
    // Remembers the first sign that the device went away.
    void noteHangUp(int error);

    const int fd_;
    const bool hasModemLines_;
    const bool hasLineCounters_;
    std::atomic<bool> closed_{false};
    std::unique_ptr<UucpLock> lock_;
    // Set once the device went away (read of 0, EIO, ENXIO, POLLHUP); the error is how.
    std::atomic<int> hangUpError_{0};
    std::atomic<std::uint64_t> bytesTaken_{0};

    // One reader of the descriptor at a time keeps the bytes in order.
    std::mutex rxMutex_;
    std::mutex txMutex_;
    std::mutex waitMutex_;
    // Guards the queue, the stored settings and the error bookkeeping.
    mutable std::mutex stateMutex_;
    std::deque<std::uint8_t> rxQueue_;
    COMMTIMEOUTS timeouts_{kMaxDword, 0, 0, 0, 0};
    std::uint32_t inputSize_ = 4096;
    char eventChar_ = 0;
    bool discardNull_ = false;
    std::uint32_t pendingErrors_ = 0;
    LineCounters lastCounters_;

    PosixEventFd rxAbort_;
    PosixEventFd txAbort_;
    PosixEventFd closing_;
    std::atomic<std::uint64_t> rxAbortGeneration_{0};
    std::atomic<std::uint64_t> txAbortGeneration_{0};

    std::atomic<std::uint32_t> eventMask_{0};
    std::atomic<bool> baselineStale_{true};
    std::atomic<bool> txPending_{false};
    // Used by the waiting thread only.
    int lastModemBits_ = 0;
    bool aboveRx80_ = false;
    std::uint32_t lastKernelCount_ = 0;
    bool readerBusy_ = false;
};

} // namespace vezu::serial::platform
