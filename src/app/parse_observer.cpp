#include "app/parse_observer.hpp"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <utility>

#include "commands/user_interaction.hpp"
#include "import/kr20_parser.hpp"

namespace vezu {
namespace {

// Dispatching before every one of 100,000 lines costs more than the parse;
// a few milliseconds apart keeps the window just as responsive.
constexpr qint64 kDispatchEveryMs = 5;
// New lot pages join the tab bar a few times a second.
constexpr qint64 kShowPagesEveryMs = 150;

} // namespace

ParseObserver::ParseObserver(QProgressBar& progressBar, ListingPages& pages,
                             WeighingStore& store, UserInteraction& ui,
                             std::function<bool()> closeRequested)
    : progressBar_(progressBar), pages_(pages), store_(store), ui_(ui),
      closeRequested_(std::move(closeRequested)) {
    sinceDispatch_.start();
    sincePagesShown_.start();
}

void ParseObserver::progressRange(std::int64_t maximum) {
    progressBar_.setRange(0, static_cast<int>(std::min<std::int64_t>(maximum, INT_MAX)));
    position_ = 0;
}

// The bar is drawn at the next dispatch, not after every line.
void ParseObserver::progressStep() { ++position_; }

void ParseObserver::progressReset() {
    position_ = 0;
    progressBar_.setValue(0);
}

void ParseObserver::beforeLine() {
    if (sinceDispatch_.elapsed() < kDispatchEveryMs) {
        return;
    }
    progressBar_.setValue(std::min(position_, progressBar_.maximum()));
    pages_.syncGrowingLot();
    if (sincePagesShown_.elapsed() >= kShowPagesEveryMs) {
        pages_.showNewPages();
        sincePagesShown_.restart();
    }
    QCoreApplication::processEvents();
    if (closeRequested_()) {
        throw ParseAborted();
    }
    sinceDispatch_.restart();
}

void ParseObserver::kr10ListingRead() { pages_.addKr10Page(store_); }

void ParseObserver::kr20LotCreated(std::int32_t n) { pages_.addLotPage(store_, n); }

void ParseObserver::kr20SummaryRead(std::int32_t n) {
    pages_.setLotSummary(n, QString::fromStdString(lotSummaryText(store_)));
}

void ParseObserver::beep() { ui_.beep(); }

} // namespace vezu
