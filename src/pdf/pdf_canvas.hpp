#pragma once

#include <map>
#include <string>
#include <vector>

#include "pdf/pdf_document.hpp"
#include "report/canvas.hpp"

namespace vezu {

// Draws report pages into a libharu document: Helvetica with WinAnsi
// (= CP1252) text, or Liberation Sans embedded; pictures as JPEG at the
// quality asked for.
class PdfCanvas : public Canvas {
public:
    PdfCanvas(PdfDocument& document, bool embedFonts, int jpegQuality);

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
    // What the page's graphics state holds, so unchanged settings are not
    // written again for every memo.
    struct State {
        HPDF_Font font = nullptr;
        double size = 0;
        std::uint32_t fill = 0;
        std::uint32_t stroke = 0;
        double lineWidth = -1; // layout units; the page starts at 1 point
    };

    HPDF_Font pdfFont(const Font& font);
    void endText();
    double pdfX(double x) const;
    double pdfY(double y) const;

    PdfDocument& document_;
    bool embedFonts_;
    int jpegQuality_;
    HPDF_Page page_ = nullptr;
    double pageHeight_ = 0; // points
    bool inText_ = false;
    State state_;
    std::vector<State> saved_;
    std::map<int, HPDF_Font> fonts_; // by bold + 2 * italic
    std::map<const std::string*, HPDF_Image> images_;
    std::string cp1252_;
};

} // namespace vezu
