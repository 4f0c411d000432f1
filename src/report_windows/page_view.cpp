#include "report_windows/page_view.hpp"

#include <QPainter>

#include "report/page_renderer.hpp"
#include "report_windows/painter_canvas.hpp"

namespace vezu {
namespace {

const Paper& paperOf(const PreparedPages* pages, std::size_t index) {
    static const Paper a4;
    return pages != nullptr && index < pages->count() ? *pages->page(index).paper : a4;
}

} // namespace

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resizeToPage();
}

double PageView::pixelsPerUnit() const {
    return zoom_ * logicalDpiX() / 96.0;
}

void PageView::show(const PreparedPages* pages, std::size_t index) {
    pages_ = pages;
    index_ = index;
    found_.reset();
    resizeToPage();
    update();
}

void PageView::setZoom(double zoom) {
    zoom_ = zoom;
    resizeToPage();
    update();
}

void PageView::setMarginsShown(bool shown) {
    marginsShown_ = shown;
    update();
}

void PageView::setFound(std::optional<Rect> found) {
    found_ = found;
    update();
}

void PageView::resizeToPage() {
    const Paper& paper = paperOf(pages_, index_);
    const double scale = pixelsPerUnit();
    setFixedSize(static_cast<int>(mmToUnits(paper.width) * scale) + 1,
                 static_cast<int>(mmToUnits(paper.height) * scale) + 1);
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (pages_ == nullptr || index_ >= pages_->count()) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PainterCanvas canvas(painter, pixelsPerUnit());
    renderPage(pages_->page(index_), pages_->count(), canvas);

    const Paper& paper = *pages_->page(index_).paper;
    const double scale = pixelsPerUnit();
    const double left = static_cast<double>(mmToUnits(paper.leftMargin));
    const double top = static_cast<double>(mmToUnits(paper.topMargin));
    if (marginsShown_) {
        painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
        painter.drawRect(QRectF(left * scale, top * scale,
                                static_cast<double>(paper.areaWidth()) * scale,
                                static_cast<double>(paper.areaHeight()) * scale));
    }
    if (found_) {
        painter.setPen(QPen(QColor(0, 120, 215), 2));
        painter.drawRect(QRectF((found_->left + left) * scale, (found_->top + top) * scale,
                                found_->width * scale, found_->height * scale));
    }
}

} // namespace vezu
