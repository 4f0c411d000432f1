#pragma once

#include <string>

#include "report/prepared_pages.hpp"

namespace vezu {

// A prepared report saved from the preview and opened again later: the
// layouts of its runs and every page's objects with their filled-in texts.
void savePreparedPages(const PreparedPages& pages, const std::string& path);
// Throws Error when the file is not a saved report.
PreparedPages loadPreparedPages(const std::string& path);

} // namespace vezu
