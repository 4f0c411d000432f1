#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "pdf/pdf_export_settings.hpp"
#include "report/prepared_pages.hpp"

namespace vezu {

inline constexpr std::string_view kEqualPasswords =
    "The owner password and the user password must differ.";
inline constexpr std::string_view kReportWithoutPages =
    "O relatório não tem nenhuma página; nenhum arquivo foi gravado.";

// The error for a page range that holds none of the report's pages.
std::string noPageInRange(const PdfExportSettings& settings, std::size_t pageCount);

// The pages writePdf would write; throws Error for a report without pages or
// a range that selects none, so a caller can refuse before asking for a name.
std::vector<std::size_t> pagesToWrite(const PreparedPages& pages, const PdfExportSettings& settings,
                                      std::size_t currentPage);

// Writes the chosen pages of a prepared report to a PDF file, replacing any
// file of that name only once the whole document is written. currentPage
// (from 0) is the page the preview shows, for the "current page" range.
// A report without pages, or a range that selects none of them, throws Error
// before any file is touched. A file that cannot be created throws
// ReportError ("Cannot create file ..."); other failures throw Error.
void writePdf(const PreparedPages& pages, const PdfExportSettings& settings,
              std::size_t currentPage, const std::string& path);

} // namespace vezu
