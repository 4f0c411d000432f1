#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "pdf/pdf_export_settings.hpp"

namespace vezu {

// "Export to PDF": page range, export settings, document information,
// security and viewer preferences, filled from the filter's settings and
// written back on OK.
class PdfExportDialog : public QDialog {
public:
    explicit PdfExportDialog(const PdfExportSettings& settings, QWidget* parent = nullptr);

    // The values as the dialog holds them.
    PdfExportSettings settings() const;

    void accept() override;

private:
    PdfExportSettings original_;
    QRadioButton* allPages_;
    QRadioButton* currentPage_;
    QRadioButton* pageList_;
    QLineEdit* pages_;
    QCheckBox* pdfA_;
    QCheckBox* embeddedFonts_;
    QCheckBox* printOptimized_;
    QCheckBox* outline_;
    QCheckBox* background_;
    QSpinBox* quality_;
    QCheckBox* openAfterExport_;
    QLineEdit* title_;
    QLineEdit* author_;
    QLineEdit* subject_;
    QLineEdit* keywords_;
    QLineEdit* creator_;
    QLineEdit* producer_;
    QLineEdit* ownerPassword_;
    QLineEdit* userPassword_;
    QCheckBox* allowPrint_;
    QCheckBox* allowModify_;
    QCheckBox* allowCopy_;
    QCheckBox* allowAnnotate_;
    QCheckBox* hideToolbar_;
    QCheckBox* hideMenubar_;
    QCheckBox* hideWindowUI_;
    QCheckBox* fitWindow_;
    QCheckBox* centerWindow_;
    QCheckBox* printScaling_;
};

} // namespace vezu
