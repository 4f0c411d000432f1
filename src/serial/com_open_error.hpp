#pragma once

#include "serial/com_error.hpp"
#include "serial/platform/serial_device.hpp"

namespace vezu::serial {

// "Unable to open com port (Error: N)", with who holds the port when it is
// in use (WinCode EBUSY) and that is known.
class EComPortOpen : public EComPort {
public:
    EComPortOpen(std::int32_t winCode, platform::PortHolder holder);

    const platform::PortHolder& Holder() const { return holder_; }

private:
    platform::PortHolder holder_;
};

} // namespace vezu::serial
