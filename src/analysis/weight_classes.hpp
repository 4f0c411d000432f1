#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vezu {

inline constexpr std::int64_t kDefaultClassWidth = 25;
// Beyond this a width is too small for the lot to be drawn or listed.
inline constexpr std::int64_t kMaximumClassCount = 100000;

// The values v with from <= v < to.
struct WeightClass {
    std::int64_t from = 0;
    std::int64_t to = 0;
    std::size_t count = 0;
    double percent = 0;
};

// Classes [k*width, (k+1)*width) from the one holding the smallest value to
// the one holding the largest, empty ones included; none for no values.
// Throws Error for a width below 1 or one giving too many classes.
std::vector<WeightClass> weightClasses(const std::vector<std::int64_t>& values, std::int64_t width);

} // namespace vezu
