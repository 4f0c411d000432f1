#pragma once

#include <cstdint>
#include <string>

namespace vezu {

// Large synthetic listings in the indicators' fixed columns (Windows-1252,
// CR LF), for benchmarks. The same seed gives the same bytes. A summary number
// too wide for its columns (more animals or kilograms than an indicator holds)
// is written as the largest number the columns take.
// Both throw std::runtime_error when the file cannot be written.

// A title line, the header line, a rule, one item line per animal, a rule.
void writeKr10Listing(const std::string& path, std::uint64_t animals, std::uint64_t seed = 1);

// A title line, then per lot: lot line, column heading, animal rows and the
// lot's summary line, between rule lines. Lots hold lotSize animals, the last
// one the rest. Throws std::invalid_argument when lotSize is 0.
void writeKr20Listing(const std::string& path, std::uint64_t animals, std::uint64_t lotSize,
                      std::uint64_t seed = 1);

} // namespace vezu
