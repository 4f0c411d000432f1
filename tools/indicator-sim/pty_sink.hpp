#pragma once

#include <chrono>
#include <string>

#include "byte_sink.hpp"
#include "stall_guard.hpp"

namespace vezu::sim {

// The master side of a new pseudo-terminal; the receiver opens the slave.
class PtySink : public ByteSink {
public:
    // A send that makes no progress for stallPatience throws.
    explicit PtySink(std::chrono::milliseconds stallPatience = kStallPatience);
    ~PtySink() override;
    PtySink(const PtySink&) = delete;
    PtySink& operator=(const PtySink&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    // A receiver that opens a serial port puts the line in raw mode; until
    // then the slave would echo and translate what it gets.
    void waitForRawMode() const;
    void send(std::string_view bytes) override;

private:
    int master_;
    std::string slavePath_;
    std::chrono::milliseconds stallPatience_;
};

} // namespace vezu::sim
