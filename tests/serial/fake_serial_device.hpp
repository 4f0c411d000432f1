#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "serial/platform/serial_device.hpp"

namespace vezu::serial::test {

// A device in memory: records what the port hands it, fails on request, and
// reports the event masks a test queues.
class FakeSerialDevice : public platform::SerialDevice {
public:
    FakeSerialDevice();
    ~FakeSerialDevice() override;

    // Calls named here return the given error code.
    void failOn(const std::string& call, int error);
    void clearFailures();
    void receive(const std::string& bytes);
    void queueEvents(std::uint32_t mask);
    // The device goes away: once the queued events are reported, waits end
    // with hungUp and reads that find nothing fail with error.
    void hangUp(int error);
    void setModemStatus(std::uint32_t status);
    void setLineErrors(std::uint32_t errors);

    std::vector<std::string> calls() const;
    std::size_t count(const std::string& call) const;
    void clearCalls();
    platform::DCB lastDcb() const;
    platform::COMMTIMEOUTS lastTimeouts() const;
    std::pair<std::uint32_t, std::uint32_t> lastQueues() const;
    std::vector<std::uint32_t> purges() const;
    std::vector<std::uint32_t> escapes() const;
    std::uint32_t eventMask() const;
    std::string written() const;

    int setState(const platform::DCB& dcb) override;
    int setTimeouts(const platform::COMMTIMEOUTS& timeouts) override;
    int setupQueues(std::uint32_t inputSize, std::uint32_t outputSize) override;
    int purge(std::uint32_t flags) override;
    int clearError(std::uint32_t& errors, platform::COMSTAT& status) override;
    int modemStatus(std::uint32_t& status) override;
    int escape(std::uint32_t function) override;
    int transmitChar(char ch) override;
    platform::IoResult read(std::uint8_t* buffer, std::uint32_t count,
                            const platform::StopSignal* cancel) override;
    platform::IoResult write(const std::uint8_t* data, std::uint32_t count,
                             const platform::StopSignal* cancel) override;
    int setEventMask(std::uint32_t mask) override;
    platform::WaitResult waitEvent(const platform::StopSignal* stop, int timeoutMs) override;
    int close() override;

private:
    int record(const std::string& call);

    mutable std::mutex mutex_;
    std::map<std::string, int> failures_;
    std::vector<std::string> calls_;
    platform::DCB dcb_{};
    platform::COMMTIMEOUTS timeouts_{};
    std::pair<std::uint32_t, std::uint32_t> queues_{};
    std::vector<std::uint32_t> purges_;
    std::vector<std::uint32_t> escapes_;
    std::string input_;
    std::string written_;
    std::uint32_t modem_ = 0;
    std::uint32_t lineErrors_ = 0;
    std::uint32_t mask_ = 0;
    std::deque<std::uint32_t> events_;
    int hangUpError_ = 0;
    int wakeFd_;
};

} // namespace vezu::serial::test
