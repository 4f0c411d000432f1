#include "analysis/point_decimal.hpp"

#include <cmath>
#include <cstdio>

namespace vezu {

std::string pointDecimal(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double scaled = std::round(value * scale);
    if (scaled == 0) {
        scaled = 0; // drops the sign of -0
    }
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, scaled / scale);
    return text;
}

} // namespace vezu
