#pragma once

#include "base/error.hpp"

namespace vezu {

// The run-time's input/output error for an errno value: "File not found",
// "File access denied", ... or "I/O error <code>".
InOutError inOutError(int errnoValue);

} // namespace vezu
