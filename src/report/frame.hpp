#pragma once

#include <cstdint>

namespace vezu {

// Lines along the edges of an object.
struct Frame {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
    std::uint32_t color = 0x000000;
    double width = 1; // layout units

    friend bool operator==(const Frame&, const Frame&) = default;
};

} // namespace vezu
