#pragma once

#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace vezu::serial::platform {

// A descriptor that poll() sees readable from signal() until clear().
class PosixEventFd {
public:
    PosixEventFd() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~PosixEventFd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PosixEventFd(const PosixEventFd&) = delete;
    PosixEventFd& operator=(const PosixEventFd&) = delete;

    int fd() const { return fd_; }
    void signal() const {
        const std::uint64_t one = 1;
        [[maybe_unused]] auto written = ::write(fd_, &one, sizeof one);
    }
    void clear() const {
        std::uint64_t value = 0;
        [[maybe_unused]] auto read = ::read(fd_, &value, sizeof value);
    }

private:
    int fd_;
};

} // namespace vezu::serial::platform
