#include "report_windows/pdf_export_dialog.hpp"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "base/error.hpp"
#include "pdf/page_range.hpp"
#include "pdf/pdf_writer.hpp"

namespace vezu {
namespace {

QCheckBox* check(const QString& text, bool on, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(on);
    return box;
}

QLineEdit* line(const std::string& text, QWidget* parent) {
    return new QLineEdit(QString::fromStdString(text), parent);
}

std::string text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace

PdfExportDialog::PdfExportDialog(const PdfExportSettings& s, QWidget* parent)
    : QDialog(parent), original_(s), allPages_(new QRadioButton(QStringLiteral("All"), this)),
      currentPage_(new QRadioButton(QStringLiteral("Current page"), this)),
      pageList_(new QRadioButton(QStringLiteral("Pages:"), this)), pages_(line(s.pages, this)),
      pdfA_(check(QStringLiteral("PDF/A"), false, this)),
      embeddedFonts_(check(QStringLiteral("Embedded fonts"), s.embeddedFonts, this)),
      printOptimized_(check(QStringLiteral("Print optimized"), s.printOptimized, this)),
      outline_(check(QStringLiteral("Outline"), s.outline, this)),
      background_(check(QStringLiteral("Background"), s.background, this)),
      quality_(new QSpinBox(this)),
      openAfterExport_(check(QStringLiteral("Open after export"), s.openAfterExport, this)),
      title_(line(s.title, this)), author_(line(s.author, this)), subject_(line(s.subject, this)),
      keywords_(line(s.keywords, this)), creator_(line(s.creator, this)),
      producer_(line(s.producer, this)), ownerPassword_(line(s.ownerPassword, this)),
      userPassword_(line(s.userPassword, this)),
      allowPrint_(check(QStringLiteral("Print the document"), s.allowPrint, this)),
      allowModify_(check(QStringLiteral("Modify the document"), s.allowModify, this)),
      allowCopy_(check(QStringLiteral("Copy of text and graphics"), s.allowCopy, this)),
      allowAnnotate_(
          check(QStringLiteral("Add or modify text annotations"), s.allowAnnotate, this)),
      hideToolbar_(check(QStringLiteral("Hide toolbar"), s.hideToolbar, this)),
      hideMenubar_(check(QStringLiteral("Hide menubar"), s.hideMenubar, this)),
      hideWindowUI_(check(QStringLiteral("Hide window user interface"), s.hideWindowUI, this)),
      fitWindow_(check(QStringLiteral("Fit window"), s.fitWindow, this)),
      centerWindow_(check(QStringLiteral("Center window"), s.centerWindow, this)),
      printScaling_(check(QStringLiteral("Print scaling"), s.printScaling, this)) {
    setWindowTitle(QStringLiteral("Export to PDF"));

    auto* range = new QGroupBox(QStringLiteral("Page range"), this);
    auto* rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(allPages_, 0, 0);
    rangeLayout->addWidget(currentPage_, 1, 0);
    rangeLayout->addWidget(pageList_, 2, 0);
    rangeLayout->addWidget(pages_, 2, 1);
    auto* hint =
        new QLabel(QStringLiteral("Enter page numbers and/or page ranges, separated by commas. "
                                  "For example, 1,3,5-12"),
                   range);
    hint->setWordWrap(true);
    rangeLayout->addWidget(hint, 3, 0, 1, 2);
    pages_->setMinimumWidth(140);
    pages_->setEnabled(s.range == PageRangeKind::Pages);
    connect(pageList_, &QRadioButton::toggled, pages_, &QLineEdit::setEnabled);
    (s.range == PageRangeKind::All       ? allPages_
     : s.range == PageRangeKind::Current ? currentPage_
                                         : pageList_)
        ->setChecked(true);

    // This library cannot write valid PDF/A, and the reports carry no outline.
    pdfA_->setEnabled(false);
    outline_->setEnabled(false);
    quality_->setRange(1, 100);
    quality_->setValue(s.quality);
    auto* options = new QGroupBox(QStringLiteral("Export settings"), this);
    auto* optionsLayout = new QFormLayout(options);
    for (QCheckBox* box : {pdfA_, embeddedFonts_, printOptimized_, outline_, background_}) {
        optionsLayout->addRow(box);
    }
    optionsLayout->addRow(QStringLiteral("JPEG quality"), quality_);
    optionsLayout->addRow(openAfterExport_);

    for (QLineEdit* edit : {title_, author_, subject_, keywords_, creator_, producer_}) {
        edit->setMinimumWidth(260);
    }
    auto* information = new QGroupBox(QStringLiteral("Document information"), this);
    auto* informationLayout = new QFormLayout(information);
    informationLayout->addRow(QStringLiteral("Title"), title_);
    informationLayout->addRow(QStringLiteral("Author"), author_);
    informationLayout->addRow(QStringLiteral("Subject"), subject_);
    informationLayout->addRow(QStringLiteral("Keywords"), keywords_);
    informationLayout->addRow(QStringLiteral("Creator"), creator_);
    informationLayout->addRow(QStringLiteral("Producer"), producer_);

    ownerPassword_->setEchoMode(QLineEdit::Password);
    userPassword_->setEchoMode(QLineEdit::Password);
    auto* security = new QGroupBox(QStringLiteral("Security"), this);
    auto* securityLayout = new QFormLayout(security);
    securityLayout->addRow(QStringLiteral("Owner password"), ownerPassword_);
    securityLayout->addRow(QStringLiteral("User password"), userPassword_);
    for (QCheckBox* box : {allowPrint_, allowModify_, allowCopy_, allowAnnotate_}) {
        securityLayout->addRow(box);
    }

    auto* viewer = new QGroupBox(QStringLiteral("Viewer preferences"), this);
    auto* viewerLayout = new QVBoxLayout(viewer);
    for (QCheckBox* box :
         {hideToolbar_, hideMenubar_, hideWindowUI_, fitWindow_, centerWindow_, printScaling_}) {
        viewerLayout->addWidget(box);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PdfExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PdfExportDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(range, 0, 0);
    grid->addWidget(options, 1, 0);
    grid->addWidget(information, 0, 1);
    grid->addWidget(security, 1, 1);
    grid->addWidget(viewer, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
}

PdfExportSettings PdfExportDialog::settings() const {
    PdfExportSettings s = original_;
    s.range = allPages_->isChecked()      ? PageRangeKind::All
              : currentPage_->isChecked() ? PageRangeKind::Current
                                          : PageRangeKind::Pages;
    s.pages = text(pages_);
    s.embeddedFonts = embeddedFonts_->isChecked();
    s.printOptimized = printOptimized_->isChecked();
    s.outline = outline_->isChecked();
    s.background = background_->isChecked();
    s.quality = quality_->value();
    s.openAfterExport = openAfterExport_->isChecked();
    s.title = text(title_);
    s.author = text(author_);
    s.subject = text(subject_);
    s.keywords = text(keywords_);
    s.creator = text(creator_);
    s.producer = text(producer_);
    s.ownerPassword = text(ownerPassword_);
    s.userPassword = text(userPassword_);
    s.allowPrint = allowPrint_->isChecked();
    s.allowModify = allowModify_->isChecked();
    s.allowCopy = allowCopy_->isChecked();
    s.allowAnnotate = allowAnnotate_->isChecked();
    s.hideToolbar = hideToolbar_->isChecked();
    s.hideMenubar = hideMenubar_->isChecked();
    s.hideWindowUI = hideWindowUI_->isChecked();
    s.fitWindow = fitWindow_->isChecked();
    s.centerWindow = centerWindow_->isChecked();
    s.printScaling = printScaling_->isChecked();
    return s;
}

void PdfExportDialog::accept() {
    const PdfExportSettings s = settings();
    // The library cannot write equal passwords, and a page list it cannot
    // read would fail only after the save dialog.
    if (!s.ownerPassword.empty() && s.ownerPassword == s.userPassword) {
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8(kEqualPasswords.data(),
                                               static_cast<qsizetype>(kEqualPasswords.size())));
        return;
    }
    if (s.range == PageRangeKind::Pages) {
        try {
            selectPages(s.range, s.pages, 0, 0);
        } catch (const Error& error) {
            QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
            return;
        }
    }
    QDialog::accept();
}

} // namespace vezu
