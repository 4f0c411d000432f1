#include "app/listing_pages.hpp"

namespace vezu {
namespace {

// "&" in a listing name is a letter, not an accelerator.
QString tabCaption(const std::string& name) {
    return QStringLiteral("Arquivo: ") + QString::fromStdString(name).replace(
                                             QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

ListingPages::ListingPages(QTabWidget& pageControl, UserInteraction& ui, const FormatSettings& fs)
    : pageControl_(pageControl), ui_(ui), fs_(fs) {}

void ListingPages::addKr10Page(WeighingStore& store) {
    kr10Page_ = new Kr10Page(store, fs_, ui_, &pageControl_);
    pageControl_.addTab(kr10Page_, tabCaption(store.S1));
}

void ListingPages::addLotPage(WeighingStore& store, std::int32_t lot) {
    syncGrowingLot();
    auto* page = new LotPage(lot, store.lot(lot), fs_, ui_, &pageControl_);
    page->hide();
    page->setProperty("caption", tabCaption(store.S1));
    lotPages_.push_back(page);
}

void ListingPages::showNewPages() {
    for (; lotsOnTabBar_ < lotPages_.size(); ++lotsOnTabBar_) {
        LotPage* page = lotPages_[lotsOnTabBar_];
        pageControl_.addTab(page, page->property("caption").toString());
    }
}

LotPage* ListingPages::lotPage(std::int32_t lot) const {
    if (lot < 1 || static_cast<std::size_t>(lot) > lotPages_.size()) {
        return nullptr;
    }
    return lotPages_[static_cast<std::size_t>(lot - 1)];
}

void ListingPages::setLotSummary(std::int32_t lot, const QString& text) {
    if (LotPage* page = lotPage(lot)) {
        page->setSummary(text);
    }
}

void ListingPages::syncGrowingLot() {
    if (!lotPages_.empty()) {
        lotPages_.back()->model().syncRows();
    }
}

void ListingPages::removeAll() {
    while (pageControl_.count() > 0) {
        QWidget* page = pageControl_.widget(pageControl_.count() - 1);
        pageControl_.removeTab(pageControl_.count() - 1);
        delete page;
    }
    for (std::size_t n = lotsOnTabBar_; n < lotPages_.size(); ++n) {
        delete lotPages_[n];
    }
    kr10Page_ = nullptr;
    lotPages_.clear();
    lotsOnTabBar_ = 0;
}

} // namespace vezu
