#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QToolBar>

#include "report/report.hpp"
#include "report_windows/page_view.hpp"
#include "report_windows/thumbnail_model.hpp"

namespace vezu {

class PdfExport;
class ReportDialogs;

// The report preview: modal, maximised, 100 % zoom; the pages are prepared
// from a timer once the window is open, and can be printed, saved, opened,
// exported to PDF, searched and browsed.
class ReportPreview : public QDialog {
public:
    ReportPreview(Report& report, PdfExport& pdfExport, ReportDialogs& dialogs,
                  QWidget* parent = nullptr);

    // Opens the window and prepares the report inside its loop.
    int exec() override;

    // Also used by tests.
    void prepare();
    const PreparedPages& pages() const { return *pages_; }
    std::size_t currentPage() const { return current_; }
    void goToPage(std::size_t index);
    double zoom() const { return view_->zoom(); }
    // Finds text from after the last find; false when no page holds it.
    bool find(const QString& text);
    QAction* action(const QString& name) const;

private:
    QAction* addAction(const QString& name, const QString& text, void (ReportPreview::*slot)());
    void buildToolBar();
    void showPages(const PreparedPages* pages);
    void updatePageField();

    void print();
    void open();
    void save();
    // True, after telling the user, when there is no page to export.
    bool refuseEmptyExport();
    void exportPdf();
    void quickPdf();
    void findText();
    void zoomIn();
    void wholePage();
    void fullScreen();
    void thumbnails();
    void pageMargins();
    void firstPage();
    void priorPage();
    void nextPage();
    void lastPage();

    Report& report_;
    PdfExport& pdfExport_;
    ReportDialogs& dialogs_;
    const PreparedPages* pages_;
    PreparedPages opened_; // a saved report opened in the window
    std::size_t current_ = 0;
    std::size_t foundPage_ = 0;
    std::size_t foundObject_ = 0;
    QString lastFind_;

    QToolBar* toolBar_;
    QLineEdit* pageField_;
    QLabel* pageCount_;
    QScrollArea* scroll_;
    PageView* view_;
    QListView* thumbnails_;
    ThumbnailModel thumbnailModel_;
};

} // namespace vezu
