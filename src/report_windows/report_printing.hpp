#pragma once

#include <QPrinter>

#include "report/prepared_pages.hpp"

namespace vezu {

// Prints pages first..last (from 0) on the printer, paper edge to paper edge.
void printPages(const PreparedPages& pages, QPrinter& printer, std::size_t first, std::size_t last);

// A printer set as the print dialog opens: the default printer, one copy,
// collated, all pages.
void presetPrinter(QPrinter& printer, std::size_t pageCount);

} // namespace vezu
