#include "report/text_layout.hpp"

namespace vezu {
namespace {

// Length of the UTF-8 character that starts at `at`.
std::size_t characterLength(std::string_view text, std::size_t at) {
    std::size_t length = 1;
    while (at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

// The longest start of `text` (at least one character) within maxWidth.
std::size_t fittingPrefix(std::string_view text, double maxWidth,
                          const std::function<double(std::string_view)>& width) {
    std::size_t fits = characterLength(text, 0);
    for (std::size_t end = fits; end < text.size();) {
        const std::size_t next = end + characterLength(text, end);
        if (width(text.substr(0, next)) > maxWidth) {
            break;
        }
        fits = end = next;
    }
    return fits;
}

void wrapParagraph(std::string_view paragraph, double maxWidth,
                   const std::function<double(std::string_view)>& width,
                   std::vector<std::string>& lines) {
    while (!paragraph.empty() && width(paragraph) > maxWidth) {
        std::size_t cut = std::string_view::npos;
        for (std::size_t blank = paragraph.find(' '); blank != std::string_view::npos;
             blank = paragraph.find(' ', blank + 1)) {
            if (blank > 0 && width(paragraph.substr(0, blank)) > maxWidth) {
                break;
            }
            cut = blank;
        }
        std::size_t resume = 0;
        if (cut == std::string_view::npos || cut == 0) {
            cut = fittingPrefix(paragraph, maxWidth, width);
            resume = cut;
        } else {
            resume = cut + 1;
            while (cut > 0 && paragraph[cut - 1] == ' ') {
                --cut; // a broken line does not end in blanks
            }
        }
        lines.emplace_back(paragraph.substr(0, cut));
        paragraph.remove_prefix(resume);
        while (paragraph.starts_with(' ')) {
            paragraph.remove_prefix(1);
        }
    }
    lines.emplace_back(paragraph);
}

} // namespace

std::vector<std::string> breakLines(std::string_view text, double maxWidth, bool wordWrap,
                                    const std::function<double(std::string_view)>& width) {
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view paragraph = text.substr(0, end);
        if (wordWrap) {
            wrapParagraph(paragraph, maxWidth, width, lines);
        } else {
            lines.emplace_back(paragraph);
        }
        if (end == std::string_view::npos) {
            break;
        }
        const std::size_t skip = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        text.remove_prefix(end + skip);
    }
    return lines;
}

} // namespace vezu
