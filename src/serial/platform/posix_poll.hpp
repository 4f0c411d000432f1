#pragma once

#include <chrono>
#include <optional>
#include <poll.h>

namespace vezu::serial::platform {

using Clock = std::chrono::steady_clock;
using Deadline = std::optional<Clock::time_point>;

// Milliseconds left for poll(), rounded up; -1 without a deadline.
int pollTimeout(const Deadline& deadline);
bool passed(const Deadline& deadline);
Deadline earlier(const Deadline& a, const Deadline& b);
Deadline deadlineAfter(std::uint64_t milliseconds);

// poll() that reports an interruption as "nothing ready"; the caller loops.
int pollOnce(pollfd* fds, nfds_t count, int timeoutMs);

inline bool readable(const pollfd& fd) {
    return (fd.revents & POLLIN) != 0;
}

} // namespace vezu::serial::platform
