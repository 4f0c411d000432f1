#pragma once

#include <map>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPainter>

#include "report/canvas.hpp"

namespace vezu {

// Draws report pages with a QPainter: the preview's pages and the printer.
// The painter is scaled so one layout unit is one pixel at 96 dpi times the
// zoom; Arial and every other layout font are drawn as Liberation Sans.
class PainterCanvas : public Canvas {
public:
    // pixelsPerUnit: device pixels per layout unit (device dpi / 96 x zoom).
    PainterCanvas(QPainter& painter, double pixelsPerUnit);

    void beginPage(const Paper& paper) override;
    void endPage() override;
    FontMetrics metrics(const Font& font) override;
    double textWidth(const Font& font, std::string_view text) override;
    void drawText(const Font& font, double x, double baseline, std::string_view text) override;
    void drawLine(double x1, double y1, double x2, double y2, double width,
                  std::uint32_t color) override;
    void drawPicture(const Picture& picture, const Rect& target) override;
    void pushClip(const Rect& area) override;
    void popClip() override;

private:
    const QFont& qtFont(const Font& font);

    QPainter& painter_;
    double pixelsPerUnit_;
    std::map<std::pair<int, int>, QFont> fonts_; // by height and style
};

// The decoded pictures of a run, shared by every page drawn.
const QImage& decodedPicture(const Picture& picture);

} // namespace vezu
