#pragma once

#include "serial/custom_com_port.hpp"

namespace vezu::serial {

// The port as placed on a window; all behaviour is in TCustomComPort.
class TComPort : public TCustomComPort {
public:
    using TCustomComPort::TCustomComPort;
};

} // namespace vezu::serial
