#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "byte_sink.hpp"
#include "sim_options.hpp"

namespace vezu::sim {

// The listing cut after every linesPerBurst line ends (LF); 0 keeps it whole.
std::vector<std::string_view> splitIntoBursts(std::string_view listing,
                                              std::uint32_t linesPerBurst);

// Sends the bursts with the pause between them, each at the pace of the line
// (ten bit times a byte: start, eight data bits, stop).
void playListing(std::string_view listing, ByteSink& sink, const SimOptions& options);

} // namespace vezu::sim
