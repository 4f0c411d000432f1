#include <array>
#include <cerrno>
#include <sys/ioctl.h>
#include <unistd.h>

#include "serial/platform/posix_poll.hpp"
#include "serial/platform/posix_serial_device.hpp"

namespace vezu::serial::platform {

namespace {

// How often what the kernel cannot wait for (modem lines, line errors, the
// transmit queue running dry) is looked at.
constexpr int kLookIntervalMs = 50;

constexpr std::uint32_t kInputEvents = EV_RXCHAR | EV_RXFLAG | EV_RX80FULL;
constexpr std::uint32_t kModemEvents = EV_CTS | EV_DSR | EV_RLSD | EV_RING;
constexpr std::uint32_t kLineEvents = EV_ERR | EV_BREAK;

} // namespace

void PosixSerialDevice::refreshBaselines() {
    modemBits(lastModemBits_);
    std::lock_guard lock(stateMutex_);
    lastKernelCount_ = kernelInputCount();
    aboveRx80_ = false;
}

std::uint32_t PosixSerialDevice::drainInput(std::uint32_t mask) {
    std::unique_lock reader(rxMutex_, std::try_to_lock);
    readerBusy_ = !reader.owns_lock();
    if (readerBusy_)
        return 0;

    std::lock_guard lock(stateMutex_);
    std::uint32_t events = 0;
    std::array<std::uint8_t, 1024> chunk{};
    while (rxQueue_.size() < inputSize_) {
        const std::size_t room = std::min<std::size_t>(chunk.size(), inputSize_ - rxQueue_.size());
        const ssize_t n = ::read(fd_, chunk.data(), room);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            noteHangUp(n == 0 ? EIO : errno);
        if (n <= 0)
            break;
        events |= EV_RXCHAR;
        bytesTaken_ += static_cast<std::uint64_t>(n);
        for (ssize_t i = 0; i < n; ++i) {
            rxQueue_.push_back(chunk[static_cast<std::size_t>(i)]);
            if (static_cast<char>(chunk[static_cast<std::size_t>(i)]) == eventChar_)
                events |= EV_RXFLAG;
        }
    }
    // With the queue full the rest waits in the kernel; its growth is news too.
    const std::uint32_t kernelCount = kernelInputCount();
    if (kernelCount > lastKernelCount_)
        events |= EV_RXCHAR;
    lastKernelCount_ = kernelCount;

    const std::uint64_t waiting = rxQueue_.size() + kernelCount;
    const bool above = waiting * 5 >= std::uint64_t{inputSize_} * 4;
    if (above && !aboveRx80_)
        events |= EV_RX80FULL;
    aboveRx80_ = above;
    return events & mask;
}

std::uint32_t PosixSerialDevice::pendingEvents(std::uint32_t mask) {
    std::uint32_t events = 0;
    if (mask & kInputEvents)
        events |= drainInput(mask);
    if ((mask & EV_TXEMPTY) && txPending_) {
        int outQueue = 0;
        if (::ioctl(fd_, TIOCOUTQ, &outQueue) == 0 && outQueue == 0) {
            txPending_ = false;
            events |= EV_TXEMPTY;
        }
    }
    if ((mask & kModemEvents) && hasModemLines_) {
        int bits = 0;
        if (modemBits(bits) == 0) {
            const int changed = bits ^ lastModemBits_;
            if (changed & TIOCM_CTS)
                events |= EV_CTS;
            if (changed & TIOCM_DSR)
                events |= EV_DSR;
            if (changed & TIOCM_CAR)
                events |= EV_RLSD;
            if ((changed & TIOCM_RNG) && !(bits & TIOCM_RNG))
                events |= EV_RING;
            lastModemBits_ = bits;
        }
    }
    if ((mask & kLineEvents) && hasLineCounters_) {
        std::lock_guard lock(stateMutex_);
        const std::uint32_t fresh = collectLineErrors();
        if (fresh & ~CE_BREAK)
            events |= EV_ERR;
        if (fresh & CE_BREAK)
            events |= EV_BREAK;
    }
    return events & mask;
}

WaitResult PosixSerialDevice::waitEvent(const StopSignal* stop, int timeoutMs) {
    std::lock_guard waiter(waitMutex_);
    const Deadline until =
        timeoutMs < 0 ? Deadline{} : deadlineAfter(static_cast<std::uint64_t>(timeoutMs));
    for (;;) {
        if (closed_)
            return {WaitStatus::failed, 0, EBADF};
        if (stop && stop->isSet())
            return {WaitStatus::stopped, 0, 0};
        if (baselineStale_.exchange(false))
            refreshBaselines();

        const std::uint32_t mask = eventMask_;
        if (const std::uint32_t events = pendingEvents(mask))
            return {WaitStatus::events, events, 0};
        // Only once every arrival has been announced.
        if (const int error = hangUpError_)
            return {WaitStatus::hungUp, 0, error};
        if (passed(until))
            return {WaitStatus::timedOut, 0, 0};

        bool queueFull = false;
        {
            std::lock_guard lock(stateMutex_);
            queueFull = rxQueue_.size() >= inputSize_;
        }
        const bool watchInput = (mask & kInputEvents) && !queueFull && !readerBusy_;
        const bool look =
            ((mask & kInputEvents) && !watchInput) || ((mask & kModemEvents) && hasModemLines_) ||
            ((mask & kLineEvents) && hasLineCounters_) || ((mask & EV_TXEMPTY) && txPending_);

        pollfd fds[] = {{closing_.fd(), POLLIN, 0},
                        {fd_, static_cast<short>(watchInput ? POLLIN : 0), 0},
                        {stop ? static_cast<int>(stop->nativeHandle()) : -1, POLLIN, 0}};
        int timeout = pollTimeout(until);
        if (look && (timeout < 0 || timeout > kLookIntervalMs))
            timeout = kLookIntervalMs;
        if (pollOnce(fds, 3, timeout) < 0)
            return {WaitStatus::failed, 0, errno};
        if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
            noteHangUp(EIO);
    }
}

} // namespace vezu::serial::platform
