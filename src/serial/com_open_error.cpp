#include "serial/com_open_error.hpp"

namespace vezu::serial {

EComPortOpen::EComPortOpen(std::int32_t winCode, platform::PortHolder holder)
    : EComPort(kOpenFailed, winCode), holder_(std::move(holder)) {}

} // namespace vezu::serial
