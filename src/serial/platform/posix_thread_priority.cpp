#include "serial/platform/serial_device.hpp"

#include <array>
#include <sys/resource.h>
#include <unistd.h>

namespace vezu::serial::platform {

void setCurrentThreadPriority(ThreadPriority priority) {
    // Nice values per thread; raising needs privileges, so a refusal is
    // accepted and the thread keeps running at the normal level.
    constexpr std::array<int, 7> kNice = {19, 10, 5, 0, -5, -10, -20};
    if (priority == ThreadPriority::normal)
        return;
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()),
                  kNice[static_cast<std::size_t>(priority)]);
}

} // namespace vezu::serial::platform
