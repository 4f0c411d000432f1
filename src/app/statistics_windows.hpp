#pragma once

#include <cstdint>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "app/lot_statistics_window.hpp"
#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"

namespace vezu {

// The statistics windows opened over the listing pages. Each follows its
// lot's table while open and closes when that table goes (a discard, a new
// listing): it must not read a table that is no longer there.
class StatisticsWindows {
public:
    StatisticsWindows(WeighingStore& store, const FormatSettings& fs);
    // Closes every window still open; the store outlives them.
    ~StatisticsWindows();
    StatisticsWindows(const StatisticsWindows&) = delete;
    StatisticsWindows& operator=(const StatisticsWindows&) = delete;

    // The window of the lot shown on `page` (a KR-10 page: the listing, lot
    // 1), raised when already open; null for a page without a lot. Earlier
    // listings are chosen from `earlierFolder`, where the captures are kept.
    LotStatisticsWindow* openFor(QWidget* page, QWidget* parent, const QString& earlierFolder);

    std::vector<LotStatisticsWindow*> openWindows() const;

private:
    WeighingStore& store_;
    const FormatSettings& fs_;
    std::vector<QPointer<LotStatisticsWindow>> windows_;
};

} // namespace vezu
