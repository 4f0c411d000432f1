#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/store_access.hpp"

namespace vezu {

// The animals of an earlier weighing by identification, exactly as stored;
// the first row wins when an identification repeats. Rows without an
// identification cannot be matched and are left out.
class EarlierWeighing {
public:
    EarlierWeighing(const WeighingStore& store, ListingModel model);

    struct Animal {
        std::optional<std::int32_t> weight;
        std::string date;
    };
    const Animal* find(const std::string& id) const;

private:
    std::unordered_map<std::string, Animal> animals_;
};

struct AnimalGain {
    std::string id;
    std::optional<std::int32_t> weight;
    bool matched = false;
    std::optional<std::int32_t> earlierWeight;
    std::optional<std::int64_t> gain;
    // None when either weighing's date does not read.
    std::optional<std::int64_t> days;
    // Gain per day; none without a gain or with no days between the dates.
    std::optional<double> gmd;
};

struct LotGain {
    std::vector<AnimalGain> animals; // in table order
    std::size_t matched = 0;
    std::optional<double> meanGmd; // over the animals that have a GMD
};

LotGain compareLot(const LotView& lot, const EarlierWeighing& earlier);

} // namespace vezu
