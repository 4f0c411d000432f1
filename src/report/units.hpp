#pragma once

namespace vezu {

// Layout positions and sizes: pixels at 96 dpi. Held in 80-bit floating point
// so page filling rounds exactly as the layouts were designed against.
using Unit = long double;

inline constexpr Unit kUnitsPerMm = 3.77953L;

inline Unit mmToUnits(Unit mm) {
    return mm * kUnitsPerMm;
}

// Objects on a prepared page, in layout units from the page area's top-left.
struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

} // namespace vezu
