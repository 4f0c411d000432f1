#pragma once

#include <exception>
#include <functional>

#include <QElapsedTimer>
#include <QProgressBar>

#include "app/listing_pages.hpp"
#include "import/listing_observer.hpp"

namespace vezu {

class UserInteraction;

// Thrown out of a parse when the window is closed meanwhile.
class ParseAborted : public std::exception {
public:
    const char* what() const noexcept override { return "parse aborted"; }
};

// What a parse does to the window: progress bar, pages, beep, and the
// dispatch of waiting events so the window stays usable.
class ParseObserver : public ListingObserver {
public:
    ParseObserver(QProgressBar& progressBar, ListingPages& pages, WeighingStore& store,
                  UserInteraction& ui, std::function<bool()> closeRequested);

    void progressRange(std::int64_t maximum) override;
    void progressStep() override;
    void progressReset() override;
    void beforeLine() override;
    void kr10ListingRead() override;
    void kr20LotCreated(std::int32_t n) override;
    void kr20SummaryRead(std::int32_t n) override;
    void beep() override;

private:
    QProgressBar& progressBar_;
    ListingPages& pages_;
    WeighingStore& store_;
    UserInteraction& ui_;
    std::function<bool()> closeRequested_;
    QElapsedTimer sinceDispatch_;
    QElapsedTimer sincePagesShown_;
    int position_ = 0;
};

} // namespace vezu
