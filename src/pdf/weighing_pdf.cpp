#include "pdf/weighing_pdf.hpp"

#include <filesystem>

#include "base/error.hpp"
#include "pdf/pdf_writer.hpp"
#include "pdf/weighing_layouts.hpp"
#include "pdf/weighing_reports.hpp"
#include "report/report_error.hpp"

namespace vezu {
namespace {

void prepareAndWrite(Report& report, const PdfExportSettings& settings, const std::string& path) {
    if (!report.prepare()) {
        throw ReportError(report.errors());
    }
    writePdf(report.preparedPages(), settings, 0, path);
}

} // namespace

Report& setUpKr20Report(WeighingReports& reports, Table& lot,
                        const std::optional<std::string>& layoutFile, const std::string& dataFolder,
                        ReportOutput output) {
    const std::string dataFile = dataFolder + std::string(kKr20LayoutFile);
    std::error_code ignored;
    if (layoutFile) {
        return reports.setUpKr20(lot, *layoutFile, output);
    }
    if (std::filesystem::exists(dataFile, ignored)) {
        return reports.setUpKr20(lot, dataFile, output);
    }
    return reports.setUpKr20(lot, output);
}

void writeKr10Pdf(WeighingStore& store, const std::optional<std::string>& layoutFile,
                  const FormatSettings& fs, const std::string& path) {
    if (!store.hasKr10Data()) {
        return;
    }
    WeighingReports reports;
    reports.setFormatSettings(fs);
    if (layoutFile) {
        reports.frxReport1.loadFromFile(*layoutFile);
    }
    prepareAndWrite(reports.setUpKr10(store), reports.frxPDFExport1, path);
}

void writeKr20Pdf(WeighingStore& store, std::int32_t lot,
                  const std::optional<std::string>& layoutFile, const std::string& dataFolder,
                  const FormatSettings& fs, const std::string& path) {
    if (!store.hasKr20Data()) {
        return;
    }
    if (lot < 1 || lot > store.C()) {
        throw Error("There is no lot " + std::to_string(lot) + " (lots 1 to " +
                    std::to_string(store.C()) + ")");
    }
    WeighingReports reports;
    reports.setFormatSettings(fs);
    prepareAndWrite(
        setUpKr20Report(reports, store.lot(lot), layoutFile, dataFolder, ReportOutput::Pdf),
        reports.frxPDFExport1, path);
}

} // namespace vezu
