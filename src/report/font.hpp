#pragma once

#include <cstdint>
#include <string>

namespace vezu {

struct Font {
    std::string name = "Arial";
    int height = 13;                // character height in pixels at 96 dpi
    std::uint32_t color = 0x000000; // 0xRRGGBB
    bool bold = false;
    bool italic = false;

    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace vezu
