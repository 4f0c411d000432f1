#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vezu {

// The indicator's end of a pseudo-terminal; the capture opens the slave.
class IndicatorPty {
public:
    IndicatorPty();
    ~IndicatorPty();
    IndicatorPty(const IndicatorPty&) = delete;
    IndicatorPty& operator=(const IndicatorPty&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    // Until the port has opened the slave in raw mode, the line would echo
    // and translate what it gets.
    void waitForRawMode() const;
    // As fast as the receiver takes it.
    void send(std::string_view bytes);
    // At the pace of the line (ten bit times a byte), `piece` bytes at a time.
    void sendPaced(std::string_view bytes, std::uint32_t baud, std::size_t piece);

private:
    int master_;
    std::string slavePath_;
};

} // namespace vezu
