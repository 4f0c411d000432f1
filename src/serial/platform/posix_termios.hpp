#pragma once

#include <termios.h>

#include "serial/platform/comm_types.hpp"

namespace vezu::serial::platform {

// Raw mode with the line shape of the block (size, parity, stop bits, flow
// control, XON/XOFF bytes); the rate is left out. EINVAL for a shape the
// line cannot take.
int termiosFromDcb(const DCB& dcb, termios& settings);

// Applies the block to the terminal, rate included. The modem lines (DTR,
// RTS) are left to the caller.
int applyDcbToTerminal(int fd, const DCB& dcb);

} // namespace vezu::serial::platform
