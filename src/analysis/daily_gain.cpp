#include "analysis/daily_gain.hpp"

#include "analysis/weighing_date.hpp"

namespace vezu {
namespace {

std::optional<std::int32_t> weightAt(const LotView& lot, std::size_t row) {
    if (lot.table->isNull(row, lot.pesoField)) {
        return std::nullopt;
    }
    return lot.table->integer(row, lot.pesoField);
}

} // namespace

EarlierWeighing::EarlierWeighing(const WeighingStore& store, ListingModel model) {
    for (const LotView& lot : lotsOf(store, model)) {
        for (std::size_t row = 0; row < lot.table->recordCount(); ++row) {
            std::string id(lot.table->text(row, lot.idField));
            if (!id.empty()) {
                animals_.try_emplace(
                    std::move(id),
                    Animal{weightAt(lot, row), std::string(weighingDateText(lot, row))});
            }
        }
    }
}

const EarlierWeighing::Animal* EarlierWeighing::find(const std::string& id) const {
    const auto it = animals_.find(id);
    return it == animals_.end() ? nullptr : &it->second;
}

LotGain compareLot(const LotView& lot, const EarlierWeighing& earlier) {
    LotGain result;
    double gmdSum = 0;
    std::size_t gmdCount = 0;
    for (std::size_t row = 0; row < lot.table->recordCount(); ++row) {
        AnimalGain a;
        a.id = std::string(lot.table->text(row, lot.idField));
        a.weight = weightAt(lot, row);
        const EarlierWeighing::Animal* before = a.id.empty() ? nullptr : earlier.find(a.id);
        if (before) {
            a.matched = true;
            ++result.matched;
            a.earlierWeight = before->weight;
            if (a.weight && a.earlierWeight) {
                a.gain = std::int64_t{*a.weight} - *a.earlierWeight;
            }
            a.days = daysBetween(before->date, weighingDateText(lot, row));
            if (a.gain && a.days && *a.days != 0) {
                a.gmd = static_cast<double>(*a.gain) / static_cast<double>(*a.days);
                gmdSum += *a.gmd;
                ++gmdCount;
            }
        }
        result.animals.push_back(std::move(a));
    }
    if (gmdCount > 0) {
        result.meanGmd = gmdSum / static_cast<double>(gmdCount);
    }
    return result;
}

} // namespace vezu
