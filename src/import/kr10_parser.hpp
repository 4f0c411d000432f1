#pragma once

#include <string>

#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"
#include "import/listing_observer.hpp"

namespace vezu {

inline constexpr std::string_view kInvalidListing = "Arquivo inválido !";
inline constexpr std::string_view kFloatOverflow = "Floating point overflow";

// Reads a KR-10 listing into CDS1 and S1..S6 (empty at the start). Throws the program's or the
// run-time's error; records stored before a failing line stay.
void parseKr10Listing(const std::string& path, WeighingStore& store, const FormatSettings& fs,
                      ListingObserver& observer);

} // namespace vezu
