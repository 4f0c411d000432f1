#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "byte_sink.hpp"
#include "serial/com_port.hpp"
#include "stall_guard.hpp"

namespace vezu::sim {

// A serial device, opened 8N1 without flow control at the given rate.
class PortSink : public ByteSink {
public:
    PortSink(const std::string& device, std::uint32_t baud,
             std::chrono::milliseconds stallPatience = kStallPatience);
    void send(std::string_view bytes) override;

private:
    serial::TComPort port_;
    std::chrono::milliseconds stallPatience_;
};

} // namespace vezu::sim
