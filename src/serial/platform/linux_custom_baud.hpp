#pragma once

#include <cstdint>

namespace vezu::serial::platform {

// Sets any rate in bits per second, including those termios has no constant for.
int setCustomBaudRate(int fd, std::uint32_t rate);

} // namespace vezu::serial::platform
