#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include "serial/platform/posix_poll.hpp"
#include "serial/platform/posix_serial_device.hpp"

namespace vezu::serial::platform {

namespace {

// When a read may end, after the rules of the driver time-outs.
struct ReadPlan {
    bool immediate = false;     // return what is there
    bool returnOnFirst = false; // wait for the first bytes only
    Deadline total;
    std::optional<std::chrono::milliseconds> interval;
};

ReadPlan planRead(const COMMTIMEOUTS& t, std::uint32_t count) {
    ReadPlan plan;
    if (t.ReadIntervalTimeout == kMaxDword && t.ReadTotalTimeoutMultiplier == 0 &&
        t.ReadTotalTimeoutConstant == 0) {
        plan.immediate = true;
        return plan;
    }
    if (t.ReadIntervalTimeout == kMaxDword && t.ReadTotalTimeoutMultiplier == kMaxDword &&
        t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != kMaxDword) {
        plan.returnOnFirst = true;
        plan.total = deadlineAfter(t.ReadTotalTimeoutConstant);
        return plan;
    }
    const std::uint64_t total =
        std::uint64_t{t.ReadTotalTimeoutMultiplier} * count + t.ReadTotalTimeoutConstant;
    if (total != 0)
        plan.total = deadlineAfter(total);
    if (t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != kMaxDword)
        plan.interval = std::chrono::milliseconds(t.ReadIntervalTimeout);
    return plan;
}

pollfd cancelFd(const StopSignal* cancel) {
    return {cancel ? static_cast<int>(cancel->nativeHandle()) : -1, POLLIN, 0};
}

std::uint32_t dropNulls(std::uint8_t* bytes, std::uint32_t count) {
    return static_cast<std::uint32_t>(std::remove(bytes, bytes + count, 0) - bytes);
}

} // namespace

std::uint32_t PosixSerialDevice::takeQueued(std::uint8_t* buffer, std::uint32_t count) {
    const auto taken = static_cast<std::uint32_t>(std::min<std::size_t>(count, rxQueue_.size()));
    std::copy_n(rxQueue_.begin(), taken, buffer);
    rxQueue_.erase(rxQueue_.begin(), rxQueue_.begin() + taken);
    return taken;
}

IoResult PosixSerialDevice::read(std::uint8_t* buffer, std::uint32_t count,
                                 const StopSignal* cancel) {
    std::lock_guard reader(rxMutex_);
    const std::uint64_t generation = rxAbortGeneration_;
    if (closed_)
        return {EBADF, 0};
    COMMTIMEOUTS timeouts{};
    bool discardNull = false;
    std::uint32_t got = 0;
    {
        std::lock_guard lock(stateMutex_);
        timeouts = timeouts_;
        discardNull = discardNull_;
        got = takeQueued(buffer, count);
        if (discardNull)
            got = dropNulls(buffer, got);
    }
    const ReadPlan plan = planRead(timeouts, count);
    Clock::time_point lastByte = Clock::now();

    for (;;) {
        if (rxAbortGeneration_ != generation || closed_ || (cancel && cancel->isSet()))
            return {ECANCELED, got};
        if (got < count) {
            const ssize_t n = ::read(fd_, buffer + got, count - got);
            if (n > 0) {
                const auto fresh = static_cast<std::uint32_t>(n);
                bytesTaken_ += fresh;
                got += discardNull ? dropNulls(buffer + got, fresh) : fresh;
                lastByte = Clock::now();
            } else if (n == 0) {
                noteHangUp(EIO);
                return got > 0 ? IoResult{0, got} : IoResult{EIO, 0};
            } else if (errno != EAGAIN && errno != EINTR) {
                const int error = errno;
                if (deviceGoneError(error))
                    noteHangUp(error);
                // The bytes already taken matter more; the next read reports the error.
                return got > 0 ? IoResult{0, got} : IoResult{error, 0};
            }
        }
        if (got == count || plan.immediate || (plan.returnOnFirst && got > 0))
            return {0, got};
        Deadline until = plan.total;
        if (got > 0 && plan.interval)
            until = earlier(until, lastByte + *plan.interval);
        if (passed(until))
            return {0, got};

        pollfd fds[] = {{fd_, POLLIN, 0}, {rxAbort_.fd(), POLLIN, 0}, cancelFd(cancel)};
        if (pollOnce(fds, 3, pollTimeout(until)) < 0)
            return {errno, got};
        if (readable(fds[1]) && rxAbortGeneration_ == generation && !closed_)
            rxAbort_.clear();
    }
}

IoResult PosixSerialDevice::write(const std::uint8_t* data, std::uint32_t count,
                                  const StopSignal* cancel) {
    std::lock_guard writer(txMutex_);
    const std::uint64_t generation = txAbortGeneration_;
    if (closed_)
        return {EBADF, 0};
    Deadline until;
    {
        std::lock_guard lock(stateMutex_);
        const std::uint64_t total = std::uint64_t{timeouts_.WriteTotalTimeoutMultiplier} * count +
                                    timeouts_.WriteTotalTimeoutConstant;
        if (total != 0)
            until = deadlineAfter(total);
    }

    std::uint32_t done = 0;
    for (;;) {
        if (txAbortGeneration_ != generation || closed_ || (cancel && cancel->isSet()))
            return {ECANCELED, done};
        if (done < count) {
            const ssize_t n = ::write(fd_, data + done, count - done);
            if (n > 0) {
                done += static_cast<std::uint32_t>(n);
                txPending_ = true;
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return {errno, done};
            }
        }
        // Running out of time is no error: the write ends short.
        if (done == count || passed(until))
            return {0, done};

        pollfd fds[] = {{fd_, POLLOUT, 0}, {txAbort_.fd(), POLLIN, 0}, cancelFd(cancel)};
        if (pollOnce(fds, 3, pollTimeout(until)) < 0)
            return {errno, done};
        if (readable(fds[1]) && txAbortGeneration_ == generation && !closed_)
            txAbort_.clear();
    }
}

} // namespace vezu::serial::platform
