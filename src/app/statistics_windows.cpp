#include "app/statistics_windows.hpp"

#include <QObject>

#include <optional>

#include "app/kr10_page.hpp"
#include "app/lot_page.hpp"
#include "data/store_listener.hpp"
#include "data/table_listener.hpp"

namespace vezu {
namespace {

// Lives as a child of its window: a window closed by the user stops
// listening with it.
class LotFollower : public QObject, private TableListener, private StoreListener {
public:
    LotFollower(LotStatisticsWindow& window, WeighingStore& store, Table& table, ListingModel model,
                std::int32_t lot)
        : QObject(&window), window_(window), store_(&store), table_(&table), model_(model),
          lot_(lot) {
        table_->addListener(*this);
        store_->addListener(*this);
    }
    ~LotFollower() override { detach(); }

private:
    void recordRemoved(std::size_t) override { window_.refresh(); }
    void fieldChanged(std::size_t) override { window_.refresh(); }
    // KR-10 is emptied only by its discard step.
    void aboutToBeEmptied() override {
        if (model_ == ListingModel::Kr10) {
            lotGoes();
        }
    }
    void emptied() override {
        if (table_ != nullptr) {
            window_.refresh();
        }
    }
    void tableDestroyed() override { lotGoes(); }
    void lotAboutToGo(std::int32_t n) override {
        if (model_ == ListingModel::Kr20 && n == lot_) {
            lotGoes();
        }
    }

    void lotGoes() {
        detach();
        window_.close();
    }
    void detach() {
        if (table_ != nullptr) {
            table_->removeListener(*this);
            table_ = nullptr;
        }
        if (store_ != nullptr) {
            store_->removeListener(*this);
            store_ = nullptr;
        }
    }

    LotStatisticsWindow& window_;
    WeighingStore* store_;
    Table* table_;
    ListingModel model_;
    std::int32_t lot_;
};

struct PageLot {
    ListingModel model;
    std::int32_t lot;
    Table* table;
};

std::optional<PageLot> lotOf(QWidget* page, WeighingStore& store) {
    if (dynamic_cast<Kr10Page*>(page) != nullptr) {
        return PageLot{ListingModel::Kr10, 1, &store.CDS1()};
    }
    if (auto* lotPage = dynamic_cast<LotPage*>(page)) {
        const std::int32_t n = lotPage->lot();
        if (n >= 1 && n <= store.C()) {
            return PageLot{ListingModel::Kr20, n, &store.lot(n)};
        }
    }
    return std::nullopt;
}

} // namespace

StatisticsWindows::StatisticsWindows(WeighingStore& store, const FormatSettings& fs)
    : store_(store), fs_(fs) {}

StatisticsWindows::~StatisticsWindows() {
    for (const QPointer<LotStatisticsWindow>& window : windows_) {
        delete window.data();
    }
}

LotStatisticsWindow* StatisticsWindows::openFor(QWidget* page, QWidget* parent,
                                                const QString& earlierFolder) {
    const std::optional<PageLot> shown = lotOf(page, store_);
    if (!shown) {
        return nullptr;
    }
    std::erase_if(windows_, [](const QPointer<LotStatisticsWindow>& w) { return w.isNull(); });
    for (const QPointer<LotStatisticsWindow>& window : windows_) {
        if (window->property("lot").toInt() == shown->lot && window->isVisible()) {
            window->raise();
            window->activateWindow();
            return window.data();
        }
    }
    auto* window = new LotStatisticsWindow(store_, shown->model, shown->lot, fs_, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setProperty("lot", shown->lot);
    window->setEarlierFolder(earlierFolder);
    new LotFollower(*window, store_, *shown->table, shown->model, shown->lot);
    windows_.emplace_back(window);
    window->show();
    return window;
}

std::vector<LotStatisticsWindow*> StatisticsWindows::openWindows() const {
    std::vector<LotStatisticsWindow*> open;
    for (const QPointer<LotStatisticsWindow>& window : windows_) {
        if (!window.isNull() && window->isVisible()) {
            open.push_back(window.data());
        }
    }
    return open;
}

} // namespace vezu
