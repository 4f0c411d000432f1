#pragma once

#include <cstddef>
#include <string>

#include "pdf/pdf_export_settings.hpp"
#include "report/prepared_pages.hpp"

namespace vezu {

class ReportDialogs;
class UserInteraction;

// The PDF filter: options dialog, save dialog, writing, opening the file.
class PdfExport {
public:
    PdfExport(PdfExportSettings& settings, UserInteraction& ui, ReportDialogs& dialogs)
        : settings_(settings), ui_(ui), dialogs_(dialogs) {}

    // The save dialog's name gets ".pdf" unless it is used as given.
    void setNamesAsGiven(bool asGiven) { namesAsGiven_ = asGiven; }

    // The whole flow; false when a dialog was cancelled or writing failed.
    // currentPage (from 0) is the page a preview shows.
    bool run(const PreparedPages& pages, std::size_t currentPage = 0);
    // The same without the options dialog, with the settings as they stand.
    bool runQuick(const PreparedPages& pages, std::size_t currentPage = 0);

private:
    bool saveAndWrite(const PreparedPages& pages, std::size_t currentPage);

    PdfExportSettings& settings_;
    UserInteraction& ui_;
    ReportDialogs& dialogs_;
    bool namesAsGiven_ = false;
};

} // namespace vezu
