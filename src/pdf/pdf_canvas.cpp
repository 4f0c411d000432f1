#include "pdf/pdf_canvas.hpp"

#include <filesystem>

#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "pdf/jpeg_quality.hpp"

namespace vezu {
namespace {

constexpr double kPointsPerUnit = 72.0 / 96.0;
constexpr double kPointsPerMm = 72.0 / 25.4;
// Vertical metrics of Arial, which Helvetica and Liberation Sans share.
constexpr double kAscent = 0.905;
constexpr double kDescent = 0.212;

constexpr const char* kBase14[] = {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique",
                                   "Helvetica-BoldOblique"};
constexpr const char* kLiberationFiles[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                            "LiberationSans-Italic.ttf",
                                            "LiberationSans-BoldItalic.ttf"};
constexpr const char* kFontFolders[] = {"/usr/share/fonts/truetype/liberation2",
                                        "/usr/share/fonts/truetype/liberation"};

std::string fontFile(const char* name) {
    for (const char* folder : kFontFolders) {
        const std::filesystem::path path = std::filesystem::path(folder) / name;
        std::error_code ignored;
        if (std::filesystem::is_regular_file(path, ignored)) {
            return path.string();
        }
    }
    throw Error(std::string("Font file not found: ") + name);
}

void rgb(std::uint32_t color, HPDF_REAL& r, HPDF_REAL& g, HPDF_REAL& b) {
    r = static_cast<HPDF_REAL>((color >> 16) & 0xFF) / 255;
    g = static_cast<HPDF_REAL>((color >> 8) & 0xFF) / 255;
    b = static_cast<HPDF_REAL>(color & 0xFF) / 255;
}

} // namespace

PdfCanvas::PdfCanvas(PdfDocument& document, bool embedFonts, int jpegQuality)
    : document_(document), embedFonts_(embedFonts), jpegQuality_(jpegQuality) {}

double PdfCanvas::pdfX(double x) const {
    return x * kPointsPerUnit;
}
double PdfCanvas::pdfY(double y) const {
    return pageHeight_ - y * kPointsPerUnit;
}

void PdfCanvas::beginPage(const Paper& paper) {
    page_ = HPDF_AddPage(document_.get());
    document_.check();
    pageHeight_ = static_cast<double>(paper.height) * kPointsPerMm;
    HPDF_Page_SetWidth(page_,
                       static_cast<HPDF_REAL>(static_cast<double>(paper.width) * kPointsPerMm));
    HPDF_Page_SetHeight(page_, static_cast<HPDF_REAL>(pageHeight_));
    state_ = State{};
    saved_.clear();
}

void PdfCanvas::endPage() {
    endText();
    document_.check();
}

HPDF_Font PdfCanvas::pdfFont(const Font& font) {
    const int style = (font.bold ? 1 : 0) + (font.italic ? 2 : 0);
    auto& cached = fonts_[style];
    if (cached == nullptr) {
        const char* name = kBase14[style];
        if (embedFonts_) {
            name = HPDF_LoadTTFontFromFile(document_.get(),
                                           fontFile(kLiberationFiles[style]).c_str(), HPDF_TRUE);
            document_.check();
        }
        cached = HPDF_GetFont(document_.get(), name, "WinAnsiEncoding");
        document_.check();
    }
    return cached;
}

FontMetrics PdfCanvas::metrics(const Font& font) {
    return FontMetrics{kAscent * font.height, kDescent * font.height};
}

double PdfCanvas::textWidth(const Font& font, std::string_view text) {
    cp1252_.clear();
    appendUtf8AsCp1252(cp1252_, text);
    const HPDF_TextWidth width =
        HPDF_Font_TextWidth(pdfFont(font), reinterpret_cast<const HPDF_BYTE*>(cp1252_.data()),
                            static_cast<HPDF_UINT>(cp1252_.size()));
    return static_cast<double>(width.width) * font.height / 1000.0;
}

void PdfCanvas::drawText(const Font& font, double x, double baseline, std::string_view text) {
    if (!inText_) {
        HPDF_Page_BeginText(page_);
        inText_ = true;
    }
    const HPDF_Font pdf = pdfFont(font);
    const double size = font.height * kPointsPerUnit;
    if (pdf != state_.font || size != state_.size) {
        HPDF_Page_SetFontAndSize(page_, pdf, static_cast<HPDF_REAL>(size));
        state_.font = pdf;
        state_.size = size;
    }
    if (font.color != state_.fill) {
        HPDF_REAL r, g, b;
        rgb(font.color, r, g, b);
        HPDF_Page_SetRGBFill(page_, r, g, b);
        state_.fill = font.color;
    }
    cp1252_.clear();
    appendUtf8AsCp1252(cp1252_, text);
    HPDF_Page_TextOut(page_, static_cast<HPDF_REAL>(pdfX(x)),
                      static_cast<HPDF_REAL>(pdfY(baseline)), cp1252_.c_str());
}

void PdfCanvas::endText() {
    if (inText_) {
        HPDF_Page_EndText(page_);
        inText_ = false;
    }
}

void PdfCanvas::drawLine(double x1, double y1, double x2, double y2, double width,
                         std::uint32_t color) {
    endText();
    if (width != state_.lineWidth) {
        HPDF_Page_SetLineWidth(page_, static_cast<HPDF_REAL>(width * kPointsPerUnit));
        state_.lineWidth = width;
    }
    if (color != state_.stroke) {
        HPDF_REAL r, g, b;
        rgb(color, r, g, b);
        HPDF_Page_SetRGBStroke(page_, r, g, b);
        state_.stroke = color;
    }
    HPDF_Page_MoveTo(page_, static_cast<HPDF_REAL>(pdfX(x1)), static_cast<HPDF_REAL>(pdfY(y1)));
    HPDF_Page_LineTo(page_, static_cast<HPDF_REAL>(pdfX(x2)), static_cast<HPDF_REAL>(pdfY(y2)));
    HPDF_Page_Stroke(page_);
}

void PdfCanvas::drawPicture(const Picture& picture, const Rect& target) {
    endText();
    HPDF_Image& image = images_[&picture.jpeg];
    if (image == nullptr) {
        const std::string jpeg = reencodeJpeg(picture.jpeg, jpegQuality_);
        image = HPDF_LoadJpegImageFromMem(document_.get(),
                                          reinterpret_cast<const HPDF_BYTE*>(jpeg.data()),
                                          static_cast<HPDF_UINT>(jpeg.size()));
        document_.check();
    }
    HPDF_Page_DrawImage(page_, image, static_cast<HPDF_REAL>(pdfX(target.left)),
                        static_cast<HPDF_REAL>(pdfY(target.bottom())),
                        static_cast<HPDF_REAL>(target.width * kPointsPerUnit),
                        static_cast<HPDF_REAL>(target.height * kPointsPerUnit));
}

void PdfCanvas::pushClip(const Rect& area) {
    endText();
    HPDF_Page_GSave(page_);
    saved_.push_back(state_);
    HPDF_Page_Rectangle(page_, static_cast<HPDF_REAL>(pdfX(area.left)),
                        static_cast<HPDF_REAL>(pdfY(area.bottom())),
                        static_cast<HPDF_REAL>(area.width * kPointsPerUnit),
                        static_cast<HPDF_REAL>(area.height * kPointsPerUnit));
    HPDF_Page_Clip(page_);
    HPDF_Page_EndPath(page_);
}

void PdfCanvas::popClip() {
    endText();
    HPDF_Page_GRestore(page_);
    state_ = saved_.back();
    saved_.pop_back();
}

} // namespace vezu
