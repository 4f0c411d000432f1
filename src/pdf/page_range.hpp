#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "pdf/pdf_export_settings.hpp"

namespace vezu {

// The pages to write, counted from 0, ascending and each once. A list such
// as "1,3,5-12" counts from 1; pages beyond the report are left out.
// currentPage counts from 0. Throws Error for a list it cannot read.
std::vector<std::size_t> selectPages(PageRangeKind kind, std::string_view list,
                                     std::size_t currentPage, std::size_t pageCount);

} // namespace vezu
