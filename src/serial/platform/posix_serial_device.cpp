#include "serial/platform/posix_serial_device.hpp"

#include <cerrno>
#include <climits>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "serial/platform/posix_termios.hpp"

namespace vezu::serial::platform {

PosixSerialDevice::PosixSerialDevice(int fd, bool hasModemLines, bool hasLineCounters,
                                     std::unique_ptr<UucpLock> lock)
    : fd_(fd), hasModemLines_(hasModemLines), hasLineCounters_(hasLineCounters),
      lock_(std::move(lock)) {
    if (hasLineCounters_)
        collectLineErrors();
    pendingErrors_ = 0;
}

PosixSerialDevice::~PosixSerialDevice() {
    close();
}

int PosixSerialDevice::close() {
    if (closed_.exchange(true))
        return 0;
    ++rxAbortGeneration_;
    ++txAbortGeneration_;
    rxAbort_.signal();
    txAbort_.signal();
    closing_.signal();
    std::scoped_lock quiet(rxMutex_, txMutex_, waitMutex_);
    ::ioctl(fd_, TIOCNXCL);
    const int result = ::close(fd_) == 0 ? 0 : errno;
    lock_.reset();
    return result;
}

void PosixSerialDevice::noteHangUp(int error) {
    int none = 0;
    hangUpError_.compare_exchange_strong(none, error != 0 ? error : EIO);
}

int PosixSerialDevice::setState(const DCB& dcb) {
    if (closed_)
        return EBADF;
    if (const int error = applyDcbToTerminal(fd_, dcb))
        return error;
    {
        std::lock_guard lock(stateMutex_);
        eventChar_ = dcb.EvtChar;
        discardNull_ = (dcb.Flags & kDcbNull) != 0;
    }
    return setModemLines(dcb);
}

int PosixSerialDevice::setModemLines(const DCB& dcb) {
    if (!hasModemLines_)
        return 0;
    const std::uint32_t dtr = (dcb.Flags & kDcbDtrControlMask) >> kDcbDtrControlShift;
    const std::uint32_t rts = (dcb.Flags & kDcbRtsControlMask) >> kDcbRtsControlShift;
    int raise = 0;
    int lower = 0;
    (dtr == kDtrControlDisable ? lower : raise) |= TIOCM_DTR;
    if (rts == kRtsControlDisable)
        lower |= TIOCM_RTS;
    else if (rts != kRtsControlHandshake)
        raise |= TIOCM_RTS;
    if (raise && ::ioctl(fd_, TIOCMBIS, &raise) != 0)
        return errno;
    if (lower && ::ioctl(fd_, TIOCMBIC, &lower) != 0)
        return errno;
    return 0;
}

int PosixSerialDevice::setTimeouts(const COMMTIMEOUTS& timeouts) {
    if (closed_)
        return EBADF;
    std::lock_guard lock(stateMutex_);
    timeouts_ = timeouts;
    return 0;
}

int PosixSerialDevice::setupQueues(std::uint32_t inputSize, std::uint32_t outputSize) {
    if (closed_)
        return EBADF;
    if (inputSize > INT_MAX || outputSize > INT_MAX)
        return EINVAL;
    std::lock_guard lock(stateMutex_);
    inputSize_ = inputSize > 0 ? inputSize : 1;
    return 0;
}

int PosixSerialDevice::purge(std::uint32_t flags) {
    if (closed_)
        return EBADF;
    if (flags & PURGE_RXABORT) {
        ++rxAbortGeneration_;
        rxAbort_.signal();
    }
    if (flags & PURGE_TXABORT) {
        ++txAbortGeneration_;
        txAbort_.signal();
    }
    if (flags & PURGE_RXCLEAR) {
        std::lock_guard lock(stateMutex_);
        rxQueue_.clear();
        if (::tcflush(fd_, TCIFLUSH) != 0)
            return errno;
    }
    if ((flags & PURGE_TXCLEAR) && ::tcflush(fd_, TCOFLUSH) != 0)
        return errno;
    return 0;
}

std::uint32_t PosixSerialDevice::kernelInputCount() const {
    int count = 0;
    return ::ioctl(fd_, FIONREAD, &count) == 0 && count > 0 ? static_cast<std::uint32_t>(count) : 0;
}

std::uint32_t PosixSerialDevice::collectLineErrors() {
    serial_icounter_struct counters{};
    if (::ioctl(fd_, TIOCGICOUNT, &counters) != 0)
        return 0;
    std::uint32_t fresh = 0;
    if (counters.frame != lastCounters_.frame)
        fresh |= CE_FRAME;
    if (counters.overrun != lastCounters_.overrun)
        fresh |= CE_OVERRUN;
    if (counters.parity != lastCounters_.parity)
        fresh |= CE_RXPARITY;
    if (counters.brk != lastCounters_.brk)
        fresh |= CE_BREAK;
    if (counters.buf_overrun != lastCounters_.bufOverrun)
        fresh |= CE_RXOVER;
    lastCounters_ = {counters.frame, counters.overrun, counters.parity, counters.brk,
                     counters.buf_overrun};
    pendingErrors_ |= fresh;
    return fresh;
}

int PosixSerialDevice::clearError(std::uint32_t& errors, COMSTAT& status) {
    if (closed_)
        return EBADF;
    int outQueue = 0;
    if (::ioctl(fd_, TIOCOUTQ, &outQueue) != 0) {
        // Gone: what arrived before must still be counted, or it would be lost.
        if (!deviceGoneError(errno))
            return errno;
        noteHangUp(errno);
        outQueue = 0;
    }
    std::lock_guard lock(stateMutex_);
    if (hasLineCounters_)
        collectLineErrors();
    errors = pendingErrors_;
    pendingErrors_ = 0;
    status.Flags = 0;
    status.cbInQue = static_cast<std::uint32_t>(rxQueue_.size()) + kernelInputCount();
    status.cbOutQue = outQueue > 0 ? static_cast<std::uint32_t>(outQueue) : 0;
    return 0;
}

int PosixSerialDevice::modemBits(int& bits) const {
    bits = 0;
    if (!hasModemLines_)
        return 0;
    return ::ioctl(fd_, TIOCMGET, &bits) == 0 ? 0 : errno;
}

int PosixSerialDevice::modemStatus(std::uint32_t& status) {
    if (closed_)
        return EBADF;
    int bits = 0;
    if (const int error = modemBits(bits))
        return error;
    status = ((bits & TIOCM_CTS) ? MS_CTS_ON : 0) | ((bits & TIOCM_DSR) ? MS_DSR_ON : 0) |
             ((bits & TIOCM_RNG) ? MS_RING_ON : 0) | ((bits & TIOCM_CAR) ? MS_RLSD_ON : 0);
    return 0;
}

int PosixSerialDevice::escape(std::uint32_t function) {
    if (closed_)
        return EBADF;
    int request = 0;
    int bits = 0;
    switch (function) {
    case SETXON:
        return ::tcflow(fd_, TCOON) == 0 ? 0 : errno;
    case SETXOFF:
        return ::tcflow(fd_, TCOOFF) == 0 ? 0 : errno;
    case SETDTR:
        request = TIOCMBIS;
        bits = TIOCM_DTR;
        break;
    case CLRDTR:
        request = TIOCMBIC;
        bits = TIOCM_DTR;
        break;
    case SETRTS:
        request = TIOCMBIS;
        bits = TIOCM_RTS;
        break;
    case CLRRTS:
        request = TIOCMBIC;
        bits = TIOCM_RTS;
        break;
    case SETBREAK:
        request = TIOCSBRK;
        break;
    case CLRBREAK:
        request = TIOCCBRK;
        break;
    default:
        return EINVAL;
    }
    // A device without modem lines (a pseudo-terminal) is a three-wire cable.
    if (!hasModemLines_)
        return 0;
    const int result = bits ? ::ioctl(fd_, request, &bits) : ::ioctl(fd_, request);
    return result == 0 ? 0 : errno;
}

int PosixSerialDevice::transmitChar(char ch) {
    if (closed_)
        return EBADF;
    return ::write(fd_, &ch, 1) == 1 ? 0 : errno;
}

int PosixSerialDevice::setEventMask(std::uint32_t mask) {
    if (closed_)
        return EBADF;
    eventMask_ = mask;
    baselineStale_ = true;
    return 0;
}

} // namespace vezu::serial::platform
