#pragma once

#include <string>

#include "pdf/pdf_export_settings.hpp"

namespace vezu {

class Report;
class PdfExport;

// The report windows the print and PDF commands open, behind one interface
// so the commands run without a window.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;

    // The "Export to PDF" options dialog; writes the values back and returns
    // true on OK.
    virtual bool editPdfOptions(PdfExportSettings& settings) = 0;
    // The generator's error box, captioned "Error".
    virtual void showReportError(const std::string& text) = 0;
    // The modal preview: prepares the report inside it and returns when the
    // user closes it.
    virtual void showPreview(Report& report, PdfExport& pdfExport) = 0;
};

} // namespace vezu
