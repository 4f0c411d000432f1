#pragma once

#include <cstdint>
#include <vector>

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
class ListingPages {
public:
    ListingPages(QTabWidget& pageControl, UserInteraction& ui, const FormatSettings& fs);

    void addKr10Page(WeighingStore& store);
    void addLotPage(WeighingStore& store, std::int32_t lot);
    void setLotSummary(std::int32_t lot, const QString& text);
    // Puts the lot pages built since the last call on the tab bar.
    void showNewPages();
    // Shows the records the parser stored in the lot being filled.
    void syncGrowingLot();

    // Removes every page with its grid and labels; do it before the tables go.
    void removeAll();
    bool isEmpty() const { return pageControl_.count() == 0; }

    Kr10Page* kr10Page() const { return kr10Page_; }
    LotPage* lotPage(std::int32_t lot) const;

private:
    QTabWidget& pageControl_;
    UserInteraction& ui_;
    const FormatSettings& fs_;
    Kr10Page* kr10Page_ = nullptr;
    std::vector<LotPage*> lotPages_;
    std::size_t lotsOnTabBar_ = 0;
};

} // namespace vezu
