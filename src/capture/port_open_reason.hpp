#pragma once

#include <exception>
#include <string>

#include "serial/platform/serial_device.hpp"

namespace vezu {

// Why a port did not open, in a line the user can act on; shown under
// "Não foi possível abrir comunicação, verifique configuração.". Error is the
// platform code of the open (errno), holder who has the port when known.
std::string portOpenReason(const std::string& port, int error,
                           const serial::platform::PortHolder& holder = {});

// The same for what opening the port threw; empty when it tells no reason.
std::string portOpenReason(const std::string& port, const std::exception& error);

} // namespace vezu
