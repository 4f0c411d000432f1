#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/listing_model.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// One lot as the analyses see it. Every read of a WeighingStore goes through
// this file, so a change of the store's interface is adapted here only.
struct LotView {
    std::int32_t number = 1;
    std::string name; // KR-10: S1; KR-20: the lot's ARQUIVO ("" without animals)
    const Table* table = nullptr;
    std::size_t idField = 0;
    std::size_t pesoField = 0;
    std::optional<std::size_t> ganhoField; // KR-20 only
    std::optional<std::size_t> valorField; // KR-20 only
    std::optional<std::size_t> dateField;  // KR-20: DATA of each row
    std::string listingDate;               // KR-10: S2
};

// KR-10: the listing as lot 1; KR-20: lots 1..C in order.
std::vector<LotView> lotsOf(const WeighingStore& store, ListingModel model);

// The values of an integer or currency field in its own units (whole
// numbers; ten-thousandths for currency, so sums stay exact), nulls left out.
std::vector<std::int64_t> fieldUnits(const Table& table, std::size_t field);

// The weighing date text of a row: its DATA (KR-20) or the listing's S2.
std::string_view weighingDateText(const LotView& lot, std::size_t row);

} // namespace vezu
