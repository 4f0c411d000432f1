#include "report/page_builder.hpp"

#include "report/memo_filler.hpp"

namespace vezu {

PageBuilder::PageBuilder(const ReportPage& page, PreparedPages& out, ExpressionContext& context,
                         std::function<void(std::size_t)> pageDone)
    : page_(page), out_(out), context_(context), pageDone_(std::move(pageDone)),
      footer_(page.findBand(BandKind::PageFooter)), areaHeight_(page.paper.areaHeight()) {}

void PageBuilder::run(DBDataset* master) {
    const Band* title = page_.findBand(BandKind::ReportTitle);
    const Band* header = page_.findBand(BandKind::PageHeader);
    const Band* data = page_.findBand(BandKind::MasterData);
    const Band* summary = page_.findBand(BandKind::ReportSummary);

    startPage();
    const Band* first = page_.titleBeforeHeader ? title : header;
    const Band* second = page_.titleBeforeHeader ? header : title;
    for (const Band* band : {first, second}) {
        if (band != nullptr && (band != header || header->printOnFirstPage)) {
            placeAt(*band);
        }
    }
    placeObjects(page_.objects, 0); // the page-level objects: page 1 only, y unchanged

    if (data != nullptr && master != nullptr) {
        for (master->first(); !master->eof(); master->next()) {
            placeFlowing(*data);
        }
    } else if (data != nullptr) {
        for (int row = 0; row < data->rowCount; ++row) {
            placeFlowing(*data);
        }
    }
    if (summary != nullptr) {
        placeFlowing(*summary);
    }
    endPage(true);
}

void PageBuilder::startPage() {
    current_ = &out_.addPage(page_.paper);
    context_.pageNumber = static_cast<int>(out_.count());
    y_ = 0;
}

void PageBuilder::endPage(bool last) {
    const bool wanted = footer_ != nullptr && (!firstPage_ || footer_->printOnFirstPage) &&
                        (!last || footer_->printOnLastPage);
    if (wanted) {
        y_ = areaHeight_ - footer_->height;
        placeAt(*footer_);
    }
    firstPage_ = false;
    if (pageDone_) {
        pageDone_(out_.count());
    }
}

void PageBuilder::placeAt(const Band& band) {
    placeObjects(band.objects, y_);
    y_ += band.height;
}

void PageBuilder::placeFlowing(const Band& band) {
    const Unit footerHeight = footer_ != nullptr ? footer_->height : 0;
    const Unit spaceLeft = areaHeight_ - footerHeight - y_;
    if (spaceLeft < band.height) {
        endPage(false);
        startPage();
        const Band* header = page_.findBand(BandKind::PageHeader);
        if (header != nullptr) {
            placeAt(*header);
        }
    }
    placeAt(band);
}

void PageBuilder::placeObjects(const std::vector<ReportObject>& objects, Unit top) {
    for (const ReportObject& object : objects) {
        const ViewBox& view = box(object);
        PreparedObject placed{
            &object,
            Rect{static_cast<double>(view.left), static_cast<double>(top + view.top),
                 static_cast<double>(view.width), static_cast<double>(view.height)},
            {}};
        if (const MemoView* memo = std::get_if<MemoView>(&object)) {
            placed.text = fillMemoText(*memo, context_);
        }
        current_->objects.push_back(std::move(placed));
    }
}

} // namespace vezu
