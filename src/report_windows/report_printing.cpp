#include "report_windows/report_printing.hpp"

#include <QPageLayout>
#include <QPainter>
#include <QPrinterInfo>

#include "report/page_renderer.hpp"
#include "report_windows/painter_canvas.hpp"

namespace vezu {

void presetPrinter(QPrinter& printer, std::size_t pageCount) {
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull()) {
        printer.setPrinterName(standard.printerName());
    }
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(1, static_cast<int>(pageCount));
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

void printPages(const PreparedPages& pages, QPrinter& printer, std::size_t first,
                std::size_t last) {
    printer.setFullPage(true);
    QPainter painter(&printer);
    PainterCanvas canvas(painter, printer.resolution() / 96.0);
    for (std::size_t index = first; index <= last && index < pages.count(); ++index) {
        if (index != first) {
            printer.newPage();
        }
        renderPage(pages.page(index), pages.count(), canvas);
    }
}

} // namespace vezu
