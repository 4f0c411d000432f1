#pragma once

#include "report/canvas.hpp"
#include "report/prepared_pages.hpp"

namespace vezu {

// Every "[TotalPages#]" (letter case ignored) replaced by the page count.
std::string withTotalPages(std::string_view text, std::size_t totalPages);

// Draws one prepared page: memos with their frames, text aligned within the
// gaps, wrapped and clipped; pictures fitted into their frames.
void renderPage(const PreparedPage& page, std::size_t totalPages, Canvas& canvas);

} // namespace vezu
