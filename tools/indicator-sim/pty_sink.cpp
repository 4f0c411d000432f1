#include "pty_sink.hpp"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <system_error>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vezu::sim {

PtySink::PtySink(std::chrono::milliseconds stallPatience)
    : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)), stallPatience_(stallPatience) {
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::system_error(errno, std::generic_category(), "cannot create a pseudo-terminal");
    slavePath_ = ::ptsname(master_);
    // Never blocked in write(): a receiver that stops reading must not hold us.
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtySink::~PtySink() {
    ::close(master_);
}

void PtySink::waitForRawMode() const {
    for (;;) {
        termios settings{};
        if (::tcgetattr(master_, &settings) == 0 && !(settings.c_lflag & ICANON))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void PtySink::send(std::string_view bytes) {
    StallGuard stall(stallPatience_);
    while (!bytes.empty()) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            stall.progressed();
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "write to " + slavePath_);
        stall.check();
        pollfd fd{master_, POLLOUT, 0};
        ::poll(&fd, 1, 100);
    }
}

} // namespace vezu::sim
