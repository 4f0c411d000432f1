#include "analysis/earlier_listing.hpp"

#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "import/line_reader.hpp"
#include "import/listing_file.hpp"

namespace vezu {

ListingModel guessListingModel(const std::string& path) {
    ensureListingExists(path);
    LineReader reader(path);
    std::string_view line;
    while (reader.next(line)) {
        if (line.starts_with("|LOTE:")) {
            return ListingModel::Kr20;
        }
    }
    return ListingModel::Kr10;
}

std::unique_ptr<WeighingStore> readEarlierListing(const std::string& path, ListingModel model,
                                                  const FormatSettings& fs) {
    ensureListingExists(path);
    auto store = std::make_unique<WeighingStore>();
    ListingObserver quiet;
    if (model == ListingModel::Kr10) {
        parseKr10Listing(path, *store, fs, quiet);
    } else {
        parseKr20Listing(path, *store, quiet);
    }
    return store;
}

} // namespace vezu
