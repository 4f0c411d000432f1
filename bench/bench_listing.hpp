#pragma once

#include <cstdint>
#include <string>

namespace vezu {

// A generated KR-20 listing kept in the temporary folder for the whole run.
const std::string& kr20BenchListing(std::uint64_t animals, std::uint64_t lotSize);

std::uint64_t fileSize(const std::string& path);

} // namespace vezu
