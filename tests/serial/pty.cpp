#include "pty.hpp"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <thread>
#include <unistd.h>

namespace vezu::serial::test {

Pty::Pty() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    slavePath_ = ::ptsname(master_);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty() {
    closeMaster();
}

void Pty::closeMaster() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

void Pty::send(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::runtime_error("pty write failed");
        pollfd fd{master_, POLLOUT, 0};
        ::poll(&fd, 1, 1000);
    }
}

std::string Pty::receive(std::size_t count, std::chrono::milliseconds patience) {
    std::string bytes;
    const auto until = std::chrono::steady_clock::now() + patience;
    while (bytes.size() < count && std::chrono::steady_clock::now() < until) {
        pollfd fd{master_, POLLIN, 0};
        if (::poll(&fd, 1, 100) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n > 0)
            bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return bytes;
}

void waitBriefly() {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

} // namespace vezu::serial::test
