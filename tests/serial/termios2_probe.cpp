// Kept apart: the kernel's termios2 cannot share a file with <termios.h>.
#include "termios2_probe.hpp"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace vezu::serial::test {

std::uint32_t outputRateOf(int fd) {
    struct termios2 settings {};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return 0;
    return settings.c_ospeed;
}

} // namespace vezu::serial::test
