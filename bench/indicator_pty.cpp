#include "indicator_pty.hpp"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <system_error>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vezu {

IndicatorPty::IndicatorPty() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)) {
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::system_error(errno, std::generic_category(), "no pseudo-terminal");
    slavePath_ = ::ptsname(master_);
}

IndicatorPty::~IndicatorPty() {
    ::close(master_);
}

void IndicatorPty::waitForRawMode() const {
    for (;;) {
        termios settings{};
        if (::tcgetattr(master_, &settings) == 0 && !(settings.c_lflag & ICANON))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void IndicatorPty::send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::system_error(errno, std::generic_category(), "write to " + slavePath_);
        pollfd fd{master_, POLLOUT, 0};
        ::poll(&fd, 1, 1000);
    }
}

void IndicatorPty::sendPaced(std::string_view bytes, std::uint32_t baud, std::size_t piece) {
    const auto start = std::chrono::steady_clock::now();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const std::size_t size = std::min(piece, bytes.size() - sent);
        send(bytes.substr(sent, size));
        sent += size;
        // Scheduled from the start, so no drift builds up.
        std::this_thread::sleep_until(start +
                                      std::chrono::microseconds(sent * 10'000'000ull / baud));
    }
}

} // namespace vezu
