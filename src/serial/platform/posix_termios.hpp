#pragma once

#include "serial/platform/comm_types.hpp"

namespace vezu::serial::platform {

// Puts the terminal in raw mode with the line settings of the block.
// The modem lines (DTR, RTS) are left to the caller.
int applyDcbToTerminal(int fd, const DCB& dcb);

} // namespace vezu::serial::platform
