#include "fake_serial_device.hpp"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vezu::serial::test {

using namespace platform;

FakeSerialDevice::FakeSerialDevice() : wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

FakeSerialDevice::~FakeSerialDevice() {
    ::close(wakeFd_);
}

void FakeSerialDevice::failOn(const std::string& call, int error) {
    std::lock_guard lock(mutex_);
    failures_[call] = error;
}

void FakeSerialDevice::clearFailures() {
    std::lock_guard lock(mutex_);
    failures_.clear();
}

void FakeSerialDevice::receive(const std::string& bytes) {
    std::lock_guard lock(mutex_);
    input_ += bytes;
}

void FakeSerialDevice::queueEvents(std::uint32_t mask) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(mask);
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(wakeFd_, &one, sizeof one);
}

void FakeSerialDevice::hangUp(int error) {
    {
        std::lock_guard lock(mutex_);
        hangUpError_ = error;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(wakeFd_, &one, sizeof one);
}

void FakeSerialDevice::setModemStatus(std::uint32_t status) {
    std::lock_guard lock(mutex_);
    modem_ = status;
}

void FakeSerialDevice::setLineErrors(std::uint32_t errors) {
    std::lock_guard lock(mutex_);
    lineErrors_ = errors;
}

std::vector<std::string> FakeSerialDevice::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::size_t FakeSerialDevice::count(const std::string& call) const {
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(std::count(calls_.begin(), calls_.end(), call));
}

void FakeSerialDevice::clearCalls() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

DCB FakeSerialDevice::lastDcb() const {
    std::lock_guard lock(mutex_);
    return dcb_;
}

COMMTIMEOUTS FakeSerialDevice::lastTimeouts() const {
    std::lock_guard lock(mutex_);
    return timeouts_;
}

std::pair<std::uint32_t, std::uint32_t> FakeSerialDevice::lastQueues() const {
    std::lock_guard lock(mutex_);
    return queues_;
}

std::vector<std::uint32_t> FakeSerialDevice::purges() const {
    std::lock_guard lock(mutex_);
    return purges_;
}

std::vector<std::uint32_t> FakeSerialDevice::escapes() const {
    std::lock_guard lock(mutex_);
    return escapes_;
}

std::uint32_t FakeSerialDevice::eventMask() const {
    std::lock_guard lock(mutex_);
    return mask_;
}

std::string FakeSerialDevice::written() const {
    std::lock_guard lock(mutex_);
    return written_;
}

int FakeSerialDevice::record(const std::string& call) {
    calls_.push_back(call);
    const auto failure = failures_.find(call);
    return failure == failures_.end() ? 0 : failure->second;
}

int FakeSerialDevice::setState(const DCB& dcb) {
    std::lock_guard lock(mutex_);
    dcb_ = dcb;
    return record("setState");
}

int FakeSerialDevice::setTimeouts(const COMMTIMEOUTS& timeouts) {
    std::lock_guard lock(mutex_);
    timeouts_ = timeouts;
    return record("setTimeouts");
}

int FakeSerialDevice::setupQueues(std::uint32_t inputSize, std::uint32_t outputSize) {
    std::lock_guard lock(mutex_);
    queues_ = {inputSize, outputSize};
    return record("setupQueues");
}

int FakeSerialDevice::purge(std::uint32_t flags) {
    std::lock_guard lock(mutex_);
    purges_.push_back(flags);
    if (const int error = record("purge"))
        return error;
    if (flags & PURGE_RXCLEAR)
        input_.clear();
    return 0;
}

int FakeSerialDevice::clearError(std::uint32_t& errors, COMSTAT& status) {
    std::lock_guard lock(mutex_);
    if (const int error = record("clearError"))
        return error;
    errors = lineErrors_;
    lineErrors_ = 0;
    status = {0, static_cast<std::uint32_t>(input_.size()), 0};
    return 0;
}

int FakeSerialDevice::modemStatus(std::uint32_t& status) {
    std::lock_guard lock(mutex_);
    status = modem_;
    return record("modemStatus");
}

int FakeSerialDevice::escape(std::uint32_t function) {
    std::lock_guard lock(mutex_);
    escapes_.push_back(function);
    return record("escape");
}

int FakeSerialDevice::transmitChar(char ch) {
    std::lock_guard lock(mutex_);
    written_ += ch;
    return record("transmitChar");
}

IoResult FakeSerialDevice::read(std::uint8_t* buffer, std::uint32_t count, const StopSignal*) {
    std::lock_guard lock(mutex_);
    if (const int error = record("read"))
        return {error, 0};
    if (input_.empty() && hangUpError_ != 0)
        return {hangUpError_, 0};
    const auto n = std::min<std::size_t>(count, input_.size());
    std::copy_n(input_.begin(), n, buffer);
    input_.erase(0, n);
    return {0, static_cast<std::uint32_t>(n)};
}

IoResult FakeSerialDevice::write(const std::uint8_t* data, std::uint32_t count, const StopSignal*) {
    std::lock_guard lock(mutex_);
    if (const int error = record("write"))
        return {error, 0};
    written_.append(reinterpret_cast<const char*>(data), count);
    return {0, count};
}

int FakeSerialDevice::setEventMask(std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    mask_ = mask;
    return record("setEventMask");
}

WaitResult FakeSerialDevice::waitEvent(const StopSignal* stop, int timeoutMs) {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stop && stop->isSet())
                return {WaitStatus::stopped, 0, 0};
            if (const auto failure = failures_.find("waitEvent"); failure != failures_.end())
                return {WaitStatus::failed, 0, failure->second};
            if (!events_.empty()) {
                const std::uint32_t mask = events_.front() & mask_;
                events_.pop_front();
                return {WaitStatus::events, mask, 0};
            }
            if (hangUpError_ != 0)
                return {WaitStatus::hungUp, 0, hangUpError_};
        }
        pollfd fds[] = {{wakeFd_, POLLIN, 0},
                        {stop ? static_cast<int>(stop->nativeHandle()) : -1, POLLIN, 0}};
        if (::poll(fds, 2, timeoutMs) == 0)
            return {WaitStatus::timedOut, 0, 0};
        std::uint64_t value = 0;
        [[maybe_unused]] auto drained = ::read(wakeFd_, &value, sizeof value);
    }
}

int FakeSerialDevice::close() {
    std::lock_guard lock(mutex_);
    return record("close");
}

} // namespace vezu::serial::test
