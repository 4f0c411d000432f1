#pragma once

#include <functional>

#include "report/expression_context.hpp"
#include "report/prepared_pages.hpp"

namespace vezu {

// Composes the output pages of one report page: title and header on the
// first page, the page-level objects once, one data band per record, the
// summary after the last one, a footer at the bottom of every page.
class PageBuilder {
public:
    // pageDone, when set, hears of every page as soon as it is complete.
    PageBuilder(const ReportPage& page, PreparedPages& out, ExpressionContext& context,
                std::function<void(std::size_t)> pageDone = {});

    // master: the data band's adapter, bound to a table; null when the layout
    // has no data band or the band names no data set.
    void run(DBDataset* master);

private:
    void startPage();
    void endPage(bool last);
    void placeAt(const Band& band);
    void placeFlowing(const Band& band);
    void placeObjects(const std::vector<ReportObject>& objects, Unit top);

    const ReportPage& page_;
    PreparedPages& out_;
    ExpressionContext& context_;
    std::function<void(std::size_t)> pageDone_;
    const Band* footer_;
    Unit areaHeight_;
    Unit y_ = 0;
    PreparedPage* current_ = nullptr;
    bool firstPage_ = true;
};

} // namespace vezu
