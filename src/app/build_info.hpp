#pragma once

#include <cstdint>
#include <string>

namespace vezu {

// The version text of the about box: 4.2.0.6 reads "4.2.0.06", 1.12.3.7
// reads "1.2.3.07" (one digit for the first three parts, two for the build).
std::string formatBuildInfo(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                            std::uint16_t build);

// The version text of the running program, from the version the build embeds.
std::string GetBuildInfo();

} // namespace vezu
