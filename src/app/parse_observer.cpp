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

ParseObserver::ParseObserver(QProgressBar& progressBar, ListingPages& pages, WeighingStore& store,
                             UserInteraction& ui, std::function<bool()> closeRequested)
    : progressBar_(progressBar), pages_(pages), store_(store), ui_(ui),
      closeRequested_(std::move(closeRequested)) {
    sinceDispatch_.start();
    sincePagesShown_.start();
}

// A range of 0..0 would turn the bar into a "busy" bar that keeps running
// after a listing of 0 or 1 line; 0..1 stands still at 0 just the same.
void ParseObserver::progressRange(std::int64_t maximum) {
    progressBar_.setRange(0, static_cast<int>(std::clamp<std::int64_t>(maximum, 1, INT_MAX)));
    progressBar_.setValue(0);
    position_ = 0;
}

// The bar is drawn at the next dispatch, not after every line.
void ParseObserver::progressStep() {
    ++position_;
}

void ParseObserver::progressReset() {
    position_ = 0;
    progressBar_.setValue(0);
}

void ParseObserver::beforeLine() {
    if (sinceDispatch_.elapsed() < kDispatchEveryMs) {
        return;
    }
    progressBar_.setValue(std::min(position_, progressBar_.maximum()));
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

void ParseObserver::kr10ListingRead() {
    pages_.addKr10Page(store_);
}

void ParseObserver::kr20LotCreated(std::int32_t n) {
    pages_.addLotPage(store_, n);
}

void ParseObserver::kr20SummaryRead(std::int32_t n) {
    pages_.setLotSummary(n, QString::fromStdString(lotSummaryText(store_)));
}

void ParseObserver::beep() {
    ui_.beep();
}

} // namespace vezu
