#include "report/page_renderer.hpp"

#include <algorithm>

#include "report/ascii_case.hpp"
#include "report/memo_filler.hpp"
#include "report/text_layout.hpp"

namespace vezu {
namespace {

void drawFrame(const Frame& frame, const Rect& r, Canvas& canvas) {
    if (frame.top) {
        canvas.drawLine(r.left, r.top, r.right(), r.top, frame.width, frame.color);
    }
    if (frame.bottom) {
        canvas.drawLine(r.left, r.bottom(), r.right(), r.bottom(), frame.width, frame.color);
    }
    if (frame.left) {
        canvas.drawLine(r.left, r.top, r.left, r.bottom(), frame.width, frame.color);
    }
    if (frame.right) {
        canvas.drawLine(r.right(), r.top, r.right(), r.bottom(), frame.width, frame.color);
    }
}

void drawMemo(const MemoView& memo, const Rect& r, std::string_view text, Canvas& canvas) {
    if (!text.empty()) {
        const Font& font = *memo.font;
        const FontMetrics metrics = canvas.metrics(font);
        const double gapX = static_cast<double>(memo.gapX);
        const double gapY = static_cast<double>(memo.gapY);
        const double lineHeight =
            metrics.ascent + metrics.descent + static_cast<double>(memo.lineSpacing);
        const double innerWidth = r.width - 2 * gapX;
        auto width = [&](std::string_view s) { return canvas.textWidth(font, s); };
        const std::vector<std::string> lines = breakLines(text, innerWidth, memo.wordWrap, width);

        const double textHeight =
            static_cast<double>(lines.size()) * lineHeight - static_cast<double>(memo.lineSpacing);
        double top = r.top + gapY;
        if (memo.vAlign == VAlign::Center) {
            top = r.top + (r.height - textHeight) / 2;
        } else if (memo.vAlign == VAlign::Bottom) {
            top = r.bottom() - gapY - textHeight;
        }
        std::vector<double> widths;
        widths.reserve(lines.size());
        bool overflows = top < r.top || top + textHeight > r.bottom();
        for (const std::string& line : lines) {
            widths.push_back(width(line));
            overflows = overflows || widths.back() > innerWidth;
        }
        // Clipping only where text would leave the box keeps the output small.
        const bool clip = memo.clipped && overflows;
        if (clip) {
            canvas.pushClip(r);
        }
        double baseline = top + metrics.ascent;
        for (std::size_t i = 0; i < lines.size(); ++i, baseline += lineHeight) {
            double x = r.left + gapX;
            if (memo.hAlign == HAlign::Center) {
                x = r.left + (r.width - widths[i]) / 2;
            } else if (memo.hAlign == HAlign::Right) {
                x = r.right() - gapX - widths[i];
            }
            if (!lines[i].empty()) {
                canvas.drawText(font, x, baseline, lines[i]);
            }
        }
        if (clip) {
            canvas.popClip();
        }
    }
    drawFrame(memo.frame, r, canvas);
}

void drawPicture(const PictureView& view, const Rect& r, Canvas& canvas) {
    const Picture& picture = view.picture;
    if (!picture.empty() && picture.width > 0 && picture.height > 0) {
        Rect target = r;
        if (!view.stretched) {
            // Pixels at 96 dpi are layout units.
            target.width = std::min<double>(picture.width, r.width);
            target.height = std::min<double>(picture.height, r.height);
        } else if (view.keepAspectRatio) {
            const double scale = std::min(r.width / picture.width, r.height / picture.height);
            target.width = picture.width * scale;
            target.height = picture.height * scale;
            target.left = r.left + (r.width - target.width) / 2;
            target.top = r.top + (r.height - target.height) / 2;
        }
        canvas.drawPicture(picture, target);
    }
    drawFrame(view.frame, r, canvas);
}

} // namespace

std::string withTotalPages(std::string_view text, std::size_t totalPages) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = findIgnoringCase(text, kTotalPagesMacro); at != std::string_view::npos;
         at = findIgnoringCase(text, kTotalPagesMacro, from)) {
        result.append(text.substr(from, at - from));
        result += std::to_string(totalPages);
        from = at + kTotalPagesMacro.size();
    }
    result.append(text.substr(from));
    return result;
}

void renderPage(const PreparedPage& page, std::size_t totalPages, Canvas& canvas) {
    const Paper& paper = *page.paper;
    const double marginLeft = static_cast<double>(mmToUnits(paper.leftMargin));
    const double marginTop = static_cast<double>(mmToUnits(paper.topMargin));
    canvas.beginPage(paper);
    for (const PreparedObject& object : page.objects) {
        Rect r = object.box;
        r.left += marginLeft;
        r.top += marginTop;
        if (const MemoView* memo = object.memo()) {
            if (object.text.find('[') == std::string::npos) {
                drawMemo(*memo, r, object.text, canvas);
            } else {
                drawMemo(*memo, r, withTotalPages(object.text, totalPages), canvas);
            }
        } else if (const PictureView* picture = object.picture()) {
            drawPicture(*picture, r, canvas);
        }
    }
    canvas.endPage();
}

} // namespace vezu
