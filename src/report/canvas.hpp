#pragma once

#include <string_view>

#include "report/font.hpp"
#include "report/picture.hpp"
#include "report/report_page.hpp"
#include "report/units.hpp"

namespace vezu {

// Vertical font metrics in layout units.
struct FontMetrics {
    double ascent = 0;
    double descent = 0;
};

// Where prepared pages are drawn: the printer, the screen, a PDF file.
// Coordinates are layout units from the paper's top-left corner; text is UTF-8.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void beginPage(const Paper& paper) = 0;
    virtual void endPage() = 0;

    virtual FontMetrics metrics(const Font& font) = 0;
    virtual double textWidth(const Font& font, std::string_view text) = 0;
    // x is the left end of the text, baseline its base line.
    virtual void drawText(const Font& font, double x, double baseline, std::string_view text) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, double width,
                          std::uint32_t color) = 0;
    virtual void drawPicture(const Picture& picture, const Rect& target) = 0;

    // Nothing is drawn outside the rectangle until popClip().
    virtual void pushClip(const Rect& area) = 0;
    virtual void popClip() = 0;
};

} // namespace vezu
