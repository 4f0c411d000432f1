#pragma once

#include <cstdint>
#include <string>

#include "byte_sink.hpp"
#include "serial/com_port.hpp"

namespace vezu::sim {

// A serial device, opened 8N1 without flow control at the given rate.
class PortSink : public ByteSink {
public:
    PortSink(const std::string& device, std::uint32_t baud);
    void send(std::string_view bytes) override;

private:
    serial::TComPort port_;
};

} // namespace vezu::sim
