#pragma once

#include <string>

#include "pdf/pdf_export_settings.hpp"
#include "pdf/report_lines.hpp"
#include "report/report.hpp"

namespace vezu {

// The report components of the main window: the adapter, the KR-10 report
// with its built-in layout, the KR-20 report, and the PDF filter's settings.
class WeighingReports {
public:
    WeighingReports();
    WeighingReports(const WeighingReports&) = delete;
    WeighingReports& operator=(const WeighingReports&) = delete;

    void setFormatSettings(const FormatSettings& fs);

    // Binds the adapter to CDS1 and sets the two lines; the report is then
    // ready to prepare or show.
    Report& setUpKr10(WeighingStore& store);
    // Binds the adapter to the lot, loads the layout file into the KR-20
    // report (a missing file leaves it empty), adds the adapter and sets the
    // two lines read from the lot's current record.
    Report& setUpKr20(Table& lot, const std::string& layoutFile, ReportOutput output);
    // The same with the built-in KR-20 layout, for when there is no file.
    Report& setUpKr20(Table& lot, ReportOutput output);

private:
    Report& finishKr20(Table& lot, ReportOutput output);

    DataSetDirectory application_;

public:
    DBDataset frxDBDataset1{"frxDBDataset1"};
    Report frxReport1{&application_};
    Report frxReport2{&application_};
    PdfExportSettings frxPDFExport1;

private:
    FormatSettings formatSettings_;
};

} // namespace vezu
