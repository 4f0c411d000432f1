#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vezu::sim {

struct SimOptions {
    enum class Action { play, help, version };
    Action action = Action::play;
    std::string listing;
    // Without one, a pseudo-terminal is created.
    std::optional<std::string> device;
    // Bits per second for pacing and for the device; 0 sends without pacing.
    std::uint32_t baud = 9600;
    // Lines per burst; 0 sends the listing as one burst.
    std::uint32_t burstLines = 0;
    std::chrono::milliseconds pause{500};
    // How long the line stays open after the last byte, so it can be read.
    std::chrono::milliseconds linger{2000};
};

extern const char* const kUsage;
extern const char* const kVersion;

// Throws std::invalid_argument with a message for the user.
SimOptions parseSimOptions(const std::vector<std::string>& arguments);

} // namespace vezu::sim
