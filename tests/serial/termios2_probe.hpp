#pragma once

#include <cstdint>

namespace vezu::serial::test {

// The output rate a terminal runs at, custom rates included.
std::uint32_t outputRateOf(int fd);

} // namespace vezu::serial::test
