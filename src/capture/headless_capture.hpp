#pragma once

#include <string>

#include "capture/capture_session.hpp"

namespace vezu {

// A capture without a window: opens the port at 9600 8N1, collects what
// arrives until the line has been silent for waitSeconds, closes the port and
// writes the capture file. Throws Error "Não foi possível abrir comunicação,
// verifique configuração." when the port does not open.
void captureListing(const std::string& port, int waitSeconds, CaptureSession& session);

} // namespace vezu
