#include "serial/platform/posix_poll.hpp"

#include <cerrno>
#include <climits>
#include <cstdint>

namespace vezu::serial::platform {

int pollTimeout(const Deadline& deadline) {
    if (!deadline)
        return -1;
    const auto left = *deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

bool passed(const Deadline& deadline) {
    return deadline && Clock::now() >= *deadline;
}

Deadline earlier(const Deadline& a, const Deadline& b) {
    if (!a)
        return b;
    if (!b)
        return a;
    return *a < *b ? a : b;
}

Deadline deadlineAfter(std::uint64_t milliseconds) {
    // Far enough to be "never" for a serial line, near enough not to overflow.
    constexpr std::uint64_t kLongest = 100ull * 365 * 24 * 3600 * 1000;
    return Clock::now() +
           std::chrono::milliseconds(milliseconds < kLongest ? milliseconds : kLongest);
}

int pollOnce(pollfd* fds, nfds_t count, int timeoutMs) {
    const int ready = ::poll(fds, count, timeoutMs);
    if (ready < 0 && errno == EINTR) {
        for (nfds_t i = 0; i < count; ++i)
            fds[i].revents = 0;
        return 0;
    }
    return ready;
}

} // namespace vezu::serial::platform
