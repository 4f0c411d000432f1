#include "report_windows/painter_canvas.hpp"

#include <unordered_map>

#include <QFontMetricsF>

namespace vezu {
namespace {

QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor qtColor(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

const QImage& decodedPicture(const Picture& picture) {
    // By content: the layouts of every run carry the same logo.
    static std::unordered_map<std::string, QImage> cache;
    auto found = cache.find(picture.jpeg);
    if (found == cache.end()) {
        QImage image;
        image.loadFromData(reinterpret_cast<const uchar*>(picture.jpeg.data()),
                           static_cast<int>(picture.jpeg.size()), "JPEG");
        found = cache.emplace(picture.jpeg, std::move(image)).first;
    }
    return found->second;
}

PainterCanvas::PainterCanvas(QPainter& painter, double pixelsPerUnit)
    : painter_(painter), pixelsPerUnit_(pixelsPerUnit) {}

void PainterCanvas::beginPage(const Paper&) {
    painter_.save();
    painter_.scale(pixelsPerUnit_, pixelsPerUnit_);
}

void PainterCanvas::endPage() {
    painter_.restore();
}

const QFont& PainterCanvas::qtFont(const Font& font) {
    const int style = (font.bold ? 1 : 0) + (font.italic ? 2 : 0);
    auto [entry, added] = fonts_.try_emplace({font.height, style});
    if (added) {
        QFont& qt = entry->second;
        qt.setFamily(QStringLiteral("Liberation Sans"));
        qt.setPixelSize(font.height);
        qt.setBold(font.bold);
        qt.setItalic(font.italic);
        // Unhinted outlines keep widths proportional at every zoom.
        qt.setHintingPreference(QFont::PreferNoHinting);
    }
    return entry->second;
}

FontMetrics PainterCanvas::metrics(const Font& font) {
    const QFontMetricsF metrics(qtFont(font));
    return FontMetrics{metrics.ascent(), metrics.descent()};
}

double PainterCanvas::textWidth(const Font& font, std::string_view text) {
    return QFontMetricsF(qtFont(font)).horizontalAdvance(qtText(text));
}

void PainterCanvas::drawText(const Font& font, double x, double baseline, std::string_view text) {
    painter_.setFont(qtFont(font));
    painter_.setPen(qtColor(font.color));
    painter_.drawText(QPointF(x, baseline), qtText(text));
}

void PainterCanvas::drawLine(double x1, double y1, double x2, double y2, double width,
                             std::uint32_t color) {
    painter_.setPen(QPen(qtColor(color), width, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterCanvas::drawPicture(const Picture& picture, const Rect& target) {
    painter_.drawImage(QRectF(target.left, target.top, target.width, target.height),
                       decodedPicture(picture));
}

void PainterCanvas::pushClip(const Rect& area) {
    painter_.save();
    painter_.setClipRect(QRectF(area.left, area.top, area.width, area.height), Qt::IntersectClip);
}

void PainterCanvas::popClip() {
    painter_.restore();
}

} // namespace vezu
