#include "pdf/page_range.hpp"

#include <algorithm>
#include <charconv>

#include "base/error.hpp"
#include "base/text.hpp"

namespace vezu {
namespace {

std::size_t pageNumber(std::string_view text, std::string_view list) {
    text = trim(text);
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0) {
        throw Error("Intervalo de páginas inválido: \"" + std::string(list) +
                    "\". Use números e intervalos separados por vírgulas, como 1,3,5-12.");
    }
    return value;
}

} // namespace

std::vector<std::size_t> selectPages(PageRangeKind kind, std::string_view list,
                                     std::size_t currentPage, std::size_t pageCount) {
    std::vector<std::size_t> pages;
    if (kind == PageRangeKind::All) {
        for (std::size_t i = 0; i < pageCount; ++i) {
            pages.push_back(i);
        }
    } else if (kind == PageRangeKind::Current) {
        if (currentPage < pageCount) {
            pages.push_back(currentPage);
        }
    } else {
        for (std::size_t start = 0;;) {
            const std::size_t comma = list.find(',', start);
            const std::string_view item = list.substr(start, comma - start);
            const std::size_t dash = item.find('-');
            std::size_t first = pageNumber(item.substr(0, dash), list);
            std::size_t last =
                dash == std::string_view::npos ? first : pageNumber(item.substr(dash + 1), list);
            if (first > last) {
                std::swap(first, last);
            }
            for (std::size_t page = first; page <= std::min(last, pageCount); ++page) {
                pages.push_back(page - 1);
            }
            if (comma == std::string_view::npos) {
                break;
            }
            start = comma + 1;
        }
        std::sort(pages.begin(), pages.end());
        pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    }
    return pages;
}

} // namespace vezu
