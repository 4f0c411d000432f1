#pragma once

#include <functional>

#include "import/listing_observer.hpp"

namespace vezu {

// What the commands tell the face that shows the data: the window builds its
// pages from it, vezu-convert shows nothing.
class ListingView {
public:
    virtual ~ListingView() = default;

    // The discard step is about to free the tables: whatever shows them goes now.
    virtual void removePages() {}
    // Runs a parse with the observer that builds the pages; what the parse
    // built stays when it throws.
    virtual void parse(const std::function<void(ListingObserver&)>& run) {
        ListingObserver quiet;
        run(quiet);
    }
};

} // namespace vezu
