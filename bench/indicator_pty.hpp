#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pty_sink.hpp"

namespace vezu {

// The indicator's end of a pseudo-terminal; the capture opens the slave.
class IndicatorPty {
public:
    const std::string& slavePath() const { return pty_.slavePath(); }
    // Until the port has opened the slave in raw mode, the line would echo
    // and translate what it gets.
    void waitForRawMode() const { pty_.waitForRawMode(); }
    // As fast as the receiver takes it.
    void send(std::string_view bytes) { pty_.send(bytes); }
    // At the pace of the line (ten bit times a byte), `piece` bytes at a time.
    void sendPaced(std::string_view bytes, std::uint32_t baud, std::size_t piece);

private:
    sim::PtySink pty_;
};

} // namespace vezu
