#pragma once

#include <chrono>
#include <stdexcept>
#include <string>

namespace vezu::sim {

// Ends a send that makes no progress: a receiver that stopped reading would
// otherwise keep the simulator blocked for ever.
class StallGuard {
public:
    using Clock = std::chrono::steady_clock;

    explicit StallGuard(std::chrono::milliseconds patience) : patience_(patience) {}

    void progressed() { last_ = Clock::now(); }
    // Throws once nothing has moved for the whole patience.
    void check() const {
        if (Clock::now() - last_ >= patience_)
            throw std::runtime_error("the receiver has taken no byte for " + span() + "; stopping");
    }
    std::chrono::milliseconds patience() const { return patience_; }

private:
    std::string span() const {
        const auto ms = patience_.count();
        return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
    }

    std::chrono::milliseconds patience_;
    Clock::time_point last_ = Clock::now();
};

inline constexpr std::chrono::milliseconds kStallPatience{5000};

} // namespace vezu::sim
