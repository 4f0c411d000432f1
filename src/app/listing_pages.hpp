#pragma once

#include <cstdint>
#include <vector>

#include <QAction>
#include <QTabWidget>

#include "app/kr10_page.hpp"
#include "app/lot_page.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

class UserInteraction;

// The pages of PageControl1: the page of a KR-10 listing or one page per
// KR-20 lot (lot n on the page with index n - 1).
//
// Lot pages are built as their lots are read but join the tab bar in
// batches: a tab bar repainted after every one of 200 new tabs costs more
// than the whole parse.
class ListingPages : private StoreListener {
public:
    ListingPages(QTabWidget& pageControl, WeighingStore& store, UserInteraction& ui,
                 const FormatSettings& fs);
    ~ListingPages();
    ListingPages(const ListingPages&) = delete;
    ListingPages& operator=(const ListingPages&) = delete;

    // Every grid's context menu offers this action, from the next page on.
    void setGridAction(QAction* action) { gridAction_ = action; }

    void addKr10Page(WeighingStore& store);
    void addLotPage(WeighingStore& store, std::int32_t lot);
    void setLotSummary(std::int32_t lot, const QString& text);
    // Puts the lot pages built since the last call on the tab bar.
    void showNewPages();

    // Removes every page with its grid and labels; do it before the tables go.
    void removeAll();

private:
    LotPage* lotPage(std::int32_t lot) const;
    // A lot's page goes before its table.
    void lotAboutToGo(std::int32_t n) override;

    QTabWidget& pageControl_;
    WeighingStore& store_;
    UserInteraction& ui_;
    const FormatSettings& fs_;
    std::vector<LotPage*> lotPages_;
    std::size_t lotsOnTabBar_ = 0;
    QAction* gridAction_ = nullptr;
};

} // namespace vezu
