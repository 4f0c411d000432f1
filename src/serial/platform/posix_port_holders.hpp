#pragma once

#include <optional>
#include <string>

#include "serial/platform/serial_device.hpp"

namespace vezu::serial::platform {

// The command name of a process ("minicom"); empty when it cannot be read.
std::string programName(int pid);

// Another process with the device open, found among the open files in /proc
// of the processes we may look at (as fuser does).
std::optional<PortHolder> otherOpener(const std::string& devicePath);

} // namespace vezu::serial::platform
