#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "import/listing_observer.hpp"

namespace vezu {

// Notes what a parse told the window, in order.
struct RecordingObserver : ListingObserver {
    std::int64_t range = -1;
    int steps = 0;
    int resets = 0;
    int linesAnnounced = 0;
    int beeps = 0;
    std::vector<std::string> events;

    void progressRange(std::int64_t maximum) override { range = maximum; }
    void progressStep() override { ++steps; }
    void progressReset() override { ++resets; }
    void beforeLine() override { ++linesAnnounced; }
    void kr10ListingRead() override { events.push_back("page"); }
    void kr20LotCreated(std::int32_t n) override { events.push_back("lot " + std::to_string(n)); }
    void kr20SummaryRead(std::int32_t n) override {
        events.push_back("summary " + std::to_string(n));
    }
    void beep() override { ++beeps; }
};

} // namespace vezu
