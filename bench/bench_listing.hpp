#pragma once

#include <cstdint>
#include <string>

namespace vezu {

// A generated KR-20 listing kept in the temporary folder for the whole run.
const std::string& kr20BenchListing(std::uint64_t animals, std::uint64_t lotSize);

std::uint64_t fileSize(const std::string& path);

// A line of /proc/self/status such as "VmHWM:", in megabytes.
double statusMegabytes(const std::string& key);

// Hands freed memory back and starts a new peak from what is in use now, so
// the "VmHWM:" read next is the peak of what runs in between.
void startNewPeak();

} // namespace vezu
