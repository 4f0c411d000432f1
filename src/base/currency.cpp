#include "base/currency.hpp"

#include <cfenv>
#include <cmath>

#include "base/conversions.hpp"
#include "base/error.hpp"

namespace vezu {

Currency Currency::fromDouble(double value) {
    const double scaled = value * scale;
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= kLimit || scaled < -kLimit) {
        throw MathError(std::string(kInvalidOp));
    }
    // nearbyint rounds halves to even in the default rounding mode.
    return Currency{static_cast<std::int64_t>(std::nearbyint(scaled))};
}

} // namespace vezu
