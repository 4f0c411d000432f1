#pragma once

#include <cstdint>

namespace vezu {

// What a parse tells the window while it runs. Every call has a default that
// does nothing, so headless callers override only what they need.
class ListingObserver {
public:
    virtual ~ListingObserver() = default;

    // Progress bar: range 0..maximum, one step per line, back to 0 at the end.
    virtual void progressRange(std::int64_t maximum) { (void)maximum; }
    virtual void progressStep() {}
    virtual void progressReset() {}

    // Called before every line: the window dispatches its waiting events here.
    virtual void beforeLine() {}

    // KR-10: the listing was read; build its page from S1..S6 and Contador.
    virtual void kr10ListingRead() {}
    // KR-20: lot n was created (its table is ArrayCDS[n]); build its page.
    virtual void kr20LotCreated(std::int32_t n) { (void)n; }
    // KR-20: the summary line of lot n was read; build or replace its label.
    virtual void kr20SummaryRead(std::int32_t n) { (void)n; }

    // The message beep at the end of a successful parse.
    virtual void beep() {}
};

} // namespace vezu
