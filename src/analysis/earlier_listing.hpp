#pragma once

#include <memory>
#include <string>

#include "analysis/listing_model.hpp"
#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// KR-20 when a line opens a lot ("|LOTE:"), else KR-10: a listing chosen
// for comparison may come from either indicator. Throws InOutError.
ListingModel guessListingModel(const std::string& path);

// Reads a listing of either model with the program's parsers into a store
// of its own, leaving the loaded data alone. Throws the parser's error.
std::unique_ptr<WeighingStore> readEarlierListing(const std::string& path, ListingModel model,
                                                  const FormatSettings& fs);

} // namespace vezu
