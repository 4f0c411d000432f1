#include "analysis/lot_statistics.hpp"

#include <algorithm>
#include <cmath>

#include "base/error.hpp"

namespace vezu {

std::optional<FieldFigures> figuresOf(std::vector<std::int64_t> values) {
    if (values.empty()) {
        return std::nullopt;
    }
    std::sort(values.begin(), values.end());
    FieldFigures f;
    f.count = values.size();
    f.minimum = values.front();
    f.maximum = values.back();
    for (const std::int64_t v : values) {
        if (__builtin_add_overflow(f.total, v, &f.total)) {
            throw MathError("Integer overflow");
        }
    }
    const auto n = static_cast<long double>(f.count);
    // Long double keeps the mean of equal values exact, so their deviation is 0.
    const long double mean = static_cast<long double>(f.total) / n;
    f.mean = static_cast<double>(mean);
    const std::size_t middle = f.count / 2;
    f.median = f.count % 2 == 1
                   ? static_cast<double>(values[middle])
                   : (static_cast<long double>(values[middle - 1]) + values[middle]) / 2;
    if (f.count > 1) {
        long double squares = 0;
        for (const std::int64_t v : values) {
            const long double d = static_cast<long double>(v) - mean;
            squares += d * d;
        }
        f.standardDeviation = static_cast<double>(std::sqrt(squares / (n - 1)));
    }
    if (mean != 0) {
        f.coefficientOfVariation = static_cast<double>(f.standardDeviation / std::fabs(mean) * 100);
    }
    return f;
}

LotStatistics lotStatistics(const LotView& lot) {
    LotStatistics s;
    s.animals = lot.table->recordCount();
    s.peso = figuresOf(fieldUnits(*lot.table, lot.pesoField));
    if (lot.ganhoField) {
        s.ganho = figuresOf(fieldUnits(*lot.table, *lot.ganhoField));
    }
    if (lot.valorField) {
        s.valor = figuresOf(fieldUnits(*lot.table, *lot.valorField));
    }
    return s;
}

} // namespace vezu
