#include "report_windows/report_preview.hpp"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QIntValidator>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/error.hpp"
#include "commands/pdf_export.hpp"
#include "commands/report_dialogs.hpp"
#include "pdf/pdf_writer.hpp"
#include "report/page_renderer.hpp"
#include "report/prepared_file.hpp"
#include "report_windows/report_printing.hpp"

namespace vezu {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMaxZoom = 8.0;
constexpr std::size_t kPagesBetweenUpdates = 200;
const QString kPreparedFilter = QStringLiteral("Korbane Vezu report (*.vzr)");

} // namespace

ReportPreview::ReportPreview(Report& report, PdfExport& pdfExport, ReportDialogs& dialogs,
                             QWidget* parent)
    : QDialog(parent), report_(report), pdfExport_(pdfExport), dialogs_(dialogs),
      pages_(&report.preparedPages()), toolBar_(new QToolBar(this)),
      pageField_(new QLineEdit(this)), pageCount_(new QLabel(this)), scroll_(new QScrollArea(this)),
      view_(new PageView), thumbnails_(new QListView(this)) {
    setWindowTitle(QStringLiteral("Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    buildToolBar();

    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    thumbnails_->setModel(&thumbnailModel_);
    thumbnails_->setViewMode(QListView::IconMode);
    thumbnails_->setFlow(QListView::TopToBottom);
    thumbnails_->setWrapping(false);
    thumbnails_->setUniformItemSizes(true);
    thumbnails_->setIconSize(QSize(95, 134));
    thumbnails_->setFixedWidth(150);
    thumbnails_->hide();
    connect(thumbnails_, &QListView::clicked, this,
            [this](const QModelIndex& index) { goToPage(static_cast<std::size_t>(index.row())); });

    auto* body = new QHBoxLayout;
    body->addWidget(thumbnails_);
    body->addWidget(scroll_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar_);
    layout->addLayout(body, 1);
    showPages(pages_);
}

QAction* ReportPreview::addAction(const QString& name, const QString& text,
                                  void (ReportPreview::*slot)()) {
    QAction* action = toolBar_->addAction(text);
    action->setObjectName(name);
    action->setToolTip(text);
    if (slot != nullptr) {
        connect(action, &QAction::triggered, this, slot);
    }
    return action;
}

QAction* ReportPreview::action(const QString& name) const {
    return toolBar_->findChild<QAction*>(name);
}

void ReportPreview::buildToolBar() {
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addAction(QStringLiteral("print"), QStringLiteral("Print"), &ReportPreview::print);
    addAction(QStringLiteral("open"), QStringLiteral("Open"), &ReportPreview::open);
    QAction* saveMenu = addAction(QStringLiteral("save"), QStringLiteral("Save"), nullptr);
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("Save prepared report..."), this, &ReportPreview::save);
    menu->addAction(QStringLiteral("Export to PDF..."), this, &ReportPreview::exportPdf);
    saveMenu->setMenu(menu);
    if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(saveMenu))) {
        button->setPopupMode(QToolButton::InstantPopup);
    }
    addAction(QStringLiteral("quickPdf"), QStringLiteral("PDF"), &ReportPreview::quickPdf);
    toolBar_->addSeparator();
    addAction(QStringLiteral("find"), QStringLiteral("Find"), &ReportPreview::findText);
    addAction(QStringLiteral("zoomIn"), QStringLiteral("Zoom In"), &ReportPreview::zoomIn);
    addAction(QStringLiteral("wholePage"), QStringLiteral("Whole Page"), &ReportPreview::wholePage);
    addAction(QStringLiteral("fullScreen"), QStringLiteral("Full Screen"),
              &ReportPreview::fullScreen);
    // The reports carry no outline, so it stays hidden.
    addAction(QStringLiteral("outline"), QStringLiteral("Outline"), nullptr)->setEnabled(false);
    addAction(QStringLiteral("thumbnails"), QStringLiteral("Thumbnails"),
              &ReportPreview::thumbnails)
        ->setCheckable(true);
    addAction(QStringLiteral("pageMargins"), QStringLiteral("Page Margins"),
              &ReportPreview::pageMargins)
        ->setCheckable(true);
    // There is no layout designer in the program.
    addAction(QStringLiteral("edit"), QStringLiteral("Edit"), nullptr)->setEnabled(false);
    toolBar_->addSeparator();
    addAction(QStringLiteral("first"), QStringLiteral("First"), &ReportPreview::firstPage);
    addAction(QStringLiteral("prior"), QStringLiteral("Prior"), &ReportPreview::priorPage);
    pageField_->setFixedWidth(60);
    pageField_->setValidator(new QIntValidator(1, 999999, pageField_));
    connect(pageField_, &QLineEdit::editingFinished, this, [this] {
        const int page = pageField_->text().toInt();
        if (page >= 1) {
            goToPage(static_cast<std::size_t>(page - 1));
        }
    });
    toolBar_->addWidget(pageField_);
    toolBar_->addWidget(pageCount_);
    addAction(QStringLiteral("next"), QStringLiteral("Next"), &ReportPreview::nextPage);
    addAction(QStringLiteral("last"), QStringLiteral("Last"), &ReportPreview::lastPage);
    toolBar_->addSeparator();
    addAction(QStringLiteral("close"), QStringLiteral("Close"), &ReportPreview::reject);
}

int ReportPreview::exec() {
    setWindowState(windowState() | Qt::WindowMaximized);
    QTimer::singleShot(0, this, &ReportPreview::prepare);
    return QDialog::exec();
}

void ReportPreview::prepare() {
    // Pages appear as they are built: the first one at once, then the count.
    thumbnailModel_.setPages(nullptr);
    report_.setPageListener([this](std::size_t count) {
        if (count == 1) {
            pages_ = &report_.preparedPages();
            view_->show(pages_, 0);
        }
        if (count == 1 || count % kPagesBetweenUpdates == 0) {
            pageCount_->setText(QStringLiteral(" / %1 ").arg(count));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    const bool prepared = report_.prepare();
    report_.setPageListener(nullptr);
    showPages(&report_.preparedPages());
    if (!prepared) {
        dialogs_.showReportError(report_.errorReport());
    }
}

void ReportPreview::showPages(const PreparedPages* pages) {
    pages_ = pages;
    current_ = 0;
    foundPage_ = foundObject_ = 0;
    thumbnailModel_.setPages(pages);
    view_->show(pages, 0);
    updatePageField();
}

void ReportPreview::updatePageField() {
    pageField_->setText(pages_->empty() ? QString() : QString::number(current_ + 1));
    pageCount_->setText(QStringLiteral(" / %1 ").arg(pages_->count()));
}

void ReportPreview::goToPage(std::size_t index) {
    if (pages_->empty()) {
        return;
    }
    current_ = std::min(index, pages_->count() - 1);
    view_->show(pages_, current_);
    scroll_->ensureVisible(0, 0);
    updatePageField();
}

void ReportPreview::firstPage() {
    goToPage(0);
}
void ReportPreview::priorPage() {
    goToPage(current_ > 0 ? current_ - 1 : 0);
}
void ReportPreview::nextPage() {
    goToPage(current_ + 1);
}
void ReportPreview::lastPage() {
    goToPage(pages_->empty() ? 0 : pages_->count() - 1);
}

void ReportPreview::zoomIn() {
    view_->setZoom(std::min(view_->zoom() * kZoomStep, kMaxZoom));
}

void ReportPreview::wholePage() {
    const QSize room = scroll_->viewport()->size();
    const double pageWidth = view_->width() / view_->zoom();
    const double pageHeight = view_->height() / view_->zoom();
    view_->setZoom(std::min(room.width() / pageWidth, room.height() / pageHeight) * 0.98);
}

void ReportPreview::fullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void ReportPreview::thumbnails() {
    thumbnails_->setVisible(!thumbnails_->isVisible());
}

void ReportPreview::pageMargins() {
    view_->setMarginsShown(action(QStringLiteral("pageMargins"))->isChecked());
}

void ReportPreview::print() {
    if (pages_->empty()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    presetPrinter(printer, pages_->count());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, static_cast<int>(pages_->count()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    std::size_t first = 0;
    std::size_t last = pages_->count() - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = static_cast<std::size_t>(printer.fromPage() - 1);
        last = static_cast<std::size_t>(printer.toPage() - 1);
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = current_;
    }
    printPages(*pages_, printer, first, last);
}

void ReportPreview::open() {
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), kPreparedFilter);
    if (path.isEmpty()) {
        return;
    }
    try {
        opened_ = loadPreparedPages(path.toStdString());
        showPages(&opened_);
    } catch (const Error& error) {
        dialogs_.showReportError(error.what());
    }
}

void ReportPreview::save() {
    QString path = QFileDialog::getSaveFileName(this, QString(), QString(), kPreparedFilter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".vzr");
    }
    try {
        savePreparedPages(*pages_, path.toStdString());
    } catch (const Error& error) {
        dialogs_.showReportError(error.what());
    }
}

bool ReportPreview::refuseEmptyExport() {
    if (!pages_->empty()) {
        return false;
    }
    // Said before any dialog, since no file could come of it.
    dialogs_.showReportError(std::string(kReportWithoutPages));
    return true;
}

void ReportPreview::exportPdf() {
    if (!refuseEmptyExport()) {
        pdfExport_.run(*pages_, current_);
    }
}

void ReportPreview::quickPdf() {
    if (!refuseEmptyExport()) {
        pdfExport_.runQuick(*pages_, current_);
    }
}

void ReportPreview::findText() {
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, QStringLiteral("Find"), QStringLiteral("Text to find:"),
                              QLineEdit::Normal, lastFind_, &ok);
    if (ok && !text.isEmpty() && !find(text)) {
        QMessageBox::information(this, QStringLiteral("Find"), QStringLiteral("Text not found."));
    }
}

bool ReportPreview::find(const QString& text) {
    if (text != lastFind_) {
        lastFind_ = text;
        foundPage_ = current_;
        foundObject_ = 0;
    }
    for (std::size_t p = foundPage_; p < pages_->count(); ++p, foundObject_ = 0) {
        const auto& objects = pages_->page(p).objects;
        for (std::size_t i = foundObject_; i < objects.size(); ++i) {
            const QString shown =
                QString::fromStdString(withTotalPages(objects[i].text, pages_->count()));
            if (shown.contains(text, Qt::CaseInsensitive)) {
                goToPage(p);
                view_->setFound(objects[i].box);
                foundPage_ = p;
                foundObject_ = i + 1;
                return true;
            }
        }
    }
    foundPage_ = 0;
    foundObject_ = 0;
    return false;
}

} // namespace vezu
