#pragma once

#include <string>

#include "data/weighing_store.hpp"
#include "import/listing_observer.hpp"

namespace vezu {

// Reads a KR-20 listing into one lot table per lot, each row carrying its own
// lot's summary. S1..S6 start empty and end as the last lot and summary lines.
// Every number of such a listing has a fixed notation, so no locale is needed.
// Throws the program's or the run-time's error; what was built stays.
void parseKr20Listing(const std::string& path, WeighingStore& store, ListingObserver& observer);

// The text of a lot's summary label, from the current S1..S6.
std::string lotSummaryText(const WeighingStore& store);

} // namespace vezu
