#pragma once

#include <QString>

#include "app/pdf_export.hpp"
#include "base/format_settings.hpp"
#include "data/weighing_store.hpp"
#include "export/weighing_reports.hpp"

namespace vezu {

class ReportDialogs;
class UserInteraction;

// "Imprimir" and "PDF": the report of the KR-10 listing, or of the KR-20 lot
// whose page is shown, in the preview or as a PDF file.
class ReportCommands {
public:
    ReportCommands(WeighingStore& store, UserInteraction& ui, ReportDialogs& dialogs);

    void setFormatSettings(const FormatSettings& fs);

    // Modelo: 0 KR-10, 1 KR-20; activePage: index of the page shown (the
    // lot is activePage + 1); camCon: the data folder, ending in "/".
    void ImprimirExecute(int Modelo, int activePage, const QString& camCon);
    void PDFExecute(int Modelo, int activePage, const QString& camCon);

    WeighingReports& reports() { return reports_; }
    PdfExport& pdfExport() { return pdfExport_; }

private:
    void prepareAndExport(Report& report);
    std::string layoutFile(const QString& camCon) const;

    WeighingStore& store_;
    UserInteraction& ui_;
    ReportDialogs& dialogs_;
    FormatSettings fs_;
    WeighingReports reports_;
    PdfExport pdfExport_;
};

inline constexpr const char* kExportQuestion = "Deseja exportar o arquivo atual ?";

} // namespace vezu
