#pragma once

#include <compare>
#include <cstdint>

namespace vezu {

// Fixed point with four decimals, held as a count of ten-thousandths.
struct Currency {
    std::int64_t tenThousandths = 0;

    static constexpr std::int64_t scale = 10000;

    // Rounds to the nearest ten-thousandth, halves to the even neighbour;
    // throws MathError for a value outside the range or not a number.
    static Currency fromDouble(double value);
    double toDouble() const { return static_cast<double>(tenThousandths) / scale; }

    friend auto operator<=>(const Currency&, const Currency&) = default;
};

} // namespace vezu
