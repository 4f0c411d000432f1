#include "analysis/earlier_listing.hpp"

#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "import/listing_file.hpp"

namespace vezu {

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
