#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/store_access.hpp"

namespace vezu {

// Figures of one field in the field's own units: kg for PESO and GANHO,
// ten-thousandths for VALOR (see Currency), so totals are exact.
struct FieldFigures {
    std::size_t count = 0;
    std::int64_t total = 0;
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    double mean = 0;
    double median = 0;
    // Sample deviation (n - 1); 0 for a single value.
    double standardDeviation = 0;
    // Percent of the mean's magnitude; none when the mean is 0.
    std::optional<double> coefficientOfVariation;
};

// None for no values.
std::optional<FieldFigures> figuresOf(std::vector<std::int64_t> values);

struct LotStatistics {
    std::size_t animals = 0;
    std::optional<FieldFigures> peso;
    std::optional<FieldFigures> ganho; // KR-20 only
    std::optional<FieldFigures> valor; // KR-20 only, in ten-thousandths
};

// The lot as its table stands now (deleted records are gone from it).
LotStatistics lotStatistics(const LotView& lot);

} // namespace vezu
