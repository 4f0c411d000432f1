#include "app/listing_pages.hpp"

namespace vezu {
namespace {

// "&" in a listing name is a letter, not an accelerator.
QString tabCaption(const std::string& name) {
    return QStringLiteral("Arquivo: ") +
           QString::fromStdString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

ListingPages::ListingPages(QTabWidget& pageControl, WeighingStore& store, UserInteraction& ui,
                           const FormatSettings& fs)
    : pageControl_(pageControl), store_(store), ui_(ui), fs_(fs) {
    store_.addListener(*this);
}

ListingPages::~ListingPages() {
    store_.removeListener(*this);
}

void ListingPages::addKr10Page(WeighingStore& store) {
    auto* page = new Kr10Page(store, fs_, ui_, &pageControl_);
    if (gridAction_ != nullptr) {
        page->grid().addAction(gridAction_);
    }
    pageControl_.addTab(page, tabCaption(store.S1()));
}

void ListingPages::addLotPage(WeighingStore& store, std::int32_t lot) {
    auto* page = new LotPage(lot, store.lot(lot), fs_, ui_, &pageControl_);
    page->hide();
    if (gridAction_ != nullptr) {
        page->grid().addAction(gridAction_);
    }
    page->setProperty("caption", tabCaption(store.S1()));
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

void ListingPages::lotAboutToGo(std::int32_t n) {
    LotPage* page = lotPage(n);
    if (page == nullptr) {
        return;
    }
    const int index = pageControl_.indexOf(page);
    if (index >= 0) {
        pageControl_.removeTab(index);
    }
    delete page;
    lotPages_[static_cast<std::size_t>(n - 1)] = nullptr;
    if (static_cast<std::size_t>(n) == lotPages_.size()) {
        lotPages_.clear();
        lotsOnTabBar_ = 0;
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
    lotPages_.clear();
    lotsOnTabBar_ = 0;
}

} // namespace vezu
