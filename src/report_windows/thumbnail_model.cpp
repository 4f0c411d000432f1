#include "report_windows/thumbnail_model.hpp"

#include <QPainter>

#include "report/page_renderer.hpp"
#include "report_windows/painter_canvas.hpp"

namespace vezu {
namespace {

constexpr double kThumbnailScale = 0.15;

} // namespace

void ThumbnailModel::setPages(const PreparedPages* pages) {
    beginResetModel();
    pages_ = pages;
    endResetModel();
}

int ThumbnailModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || pages_ == nullptr ? 0 : static_cast<int>(pages_->count());
}

QVariant ThumbnailModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (pages_ == nullptr || row >= pages_->count()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::number(index.row() + 1);
    }
    if (role == Qt::DecorationRole) {
        const Paper& paper = *pages_->page(row).paper;
        QPixmap pixmap(static_cast<int>(mmToUnits(paper.width) * kThumbnailScale),
                       static_cast<int>(mmToUnits(paper.height) * kThumbnailScale));
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        PainterCanvas canvas(painter, kThumbnailScale);
        renderPage(pages_->page(row), pages_->count(), canvas);
        return pixmap;
    }
    return {};
}

} // namespace vezu
