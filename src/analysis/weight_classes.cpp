#include "analysis/weight_classes.hpp"

#include <algorithm>

#include "base/error.hpp"

namespace vezu {
namespace {

// Floor division, so negative weights fall in the class below zero.
std::int64_t classIndex(std::int64_t value, std::int64_t width) {
    const std::int64_t q = value / width;
    return value % width < 0 ? q - 1 : q;
}

} // namespace

std::vector<WeightClass> weightClasses(const std::vector<std::int64_t>& values,
                                       std::int64_t width) {
    if (width < 1) {
        throw Error("A largura da classe deve ser de pelo menos 1 kg.");
    }
    std::vector<WeightClass> classes;
    if (values.empty()) {
        return classes;
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const std::int64_t first = classIndex(*low, width);
    const std::int64_t last = classIndex(*high, width);
    if (last - first >= kMaximumClassCount) {
        throw Error("A largura da classe é pequena demais para este lote.");
    }
    classes.resize(static_cast<std::size_t>(last - first + 1));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        classes[i].from = (first + static_cast<std::int64_t>(i)) * width;
        classes[i].to = classes[i].from + width;
    }
    for (const std::int64_t v : values) {
        ++classes[static_cast<std::size_t>(classIndex(v, width) - first)].count;
    }
    for (WeightClass& c : classes) {
        c.percent = static_cast<double>(c.count) * 100 / static_cast<double>(values.size());
    }
    return classes;
}

} // namespace vezu
