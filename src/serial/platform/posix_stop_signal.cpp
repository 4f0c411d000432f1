#include "serial/platform/stop_signal.hpp"

#include <cstdint>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vezu::serial::platform {

namespace {

int fdOf(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

StopSignal::StopSignal() : handle_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (handle_ < 0)
        throw std::runtime_error("eventfd failed");
}

StopSignal::~StopSignal() {
    ::close(fdOf(handle_));
}

void StopSignal::set() {
    const std::uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(fdOf(handle_), &one, sizeof one);
}

void StopSignal::reset() {
    std::uint64_t value = 0;
    [[maybe_unused]] auto read = ::read(fdOf(handle_), &value, sizeof value);
}

bool StopSignal::isSet() const {
    pollfd fd{fdOf(handle_), POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0 && (fd.revents & POLLIN);
}

} // namespace vezu::serial::platform
