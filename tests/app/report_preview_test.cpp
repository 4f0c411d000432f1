#include <gtest/gtest.h>

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/report_preview.hpp"
#include "app/report_printing.hpp"
#include "commands/pdf_export.hpp"
#include "export/weighing_reports.hpp"
#include "scripted_interaction.hpp"
#include "scripted_report_dialogs.hpp"

namespace vezu {
namespace {

class ReportPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        reportTestApp();
        lot = makeLotTable(1);
        for (int i = 1; i <= 120; ++i) {
            lot->append();
            lot->setText(kr20::ID, "A" + std::to_string(i));
            lot->setInteger(kr20::PESO, 300 + i);
            lot->post();
        }
        lot->first();
    }

    std::unique_ptr<Table> lot;
    WeighingReports reports;
    ScriptedInteraction ui;
    ScriptedReportDialogs dialogs;
    PdfExport pdfExport{reports.frxPDFExport1, ui, dialogs};
};

TEST_F(ReportPreviewTest, BrowsesThePreparedPages) {
    ReportPreview preview(reports.setUpKr20(*lot, ReportOutput::Print), pdfExport, dialogs);
    preview.prepare();
    ASSERT_EQ(preview.pages().count(), 3u);
    EXPECT_EQ(preview.zoom(), 1.0);
    preview.action("next")->trigger();
    EXPECT_EQ(preview.currentPage(), 1u);
    preview.action("last")->trigger();
    preview.action("next")->trigger();
    EXPECT_EQ(preview.currentPage(), 2u);
    preview.action("first")->trigger();
    preview.action("prior")->trigger();
    EXPECT_EQ(preview.currentPage(), 0u);
    preview.action("zoomIn")->trigger();
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.25);
    EXPECT_FALSE(preview.action("edit")->isEnabled());
    EXPECT_FALSE(preview.action("outline")->isEnabled());
}

TEST_F(ReportPreviewTest, FindGoesToThePageThatHoldsTheText) {
    ReportPreview preview(reports.setUpKr20(*lot, ReportOutput::Print), pdfExport, dialogs);
    preview.prepare();
    EXPECT_TRUE(preview.find("a60"));
    EXPECT_EQ(preview.currentPage(), 1u);
    EXPECT_TRUE(preview.find("Página: 3 de 3")); // the total as drawn
    EXPECT_EQ(preview.currentPage(), 2u);
    EXPECT_FALSE(preview.find("nowhere"));
}

TEST_F(ReportPreviewTest, ExportsThePagesShownThroughTheFilter) {
    QTemporaryDir folder;
    ReportPreview preview(reports.setUpKr20(*lot, ReportOutput::Print), pdfExport, dialogs);
    preview.prepare();
    preview.goToPage(1);
    reports.frxPDFExport1.range = PageRangeKind::Current;
    reports.frxPDFExport1.openAfterExport = false;
    ui.saveAnswers = {folder.path() + "/page2"};
    preview.action("quickPdf")->trigger();
    EXPECT_TRUE(QFileInfo::exists(folder.path() + "/page2.pdf"));
    EXPECT_EQ(dialogs.optionDialogs, 0);
}

TEST_F(ReportPreviewTest, PrintsTheChosenPagesFromPaperEdgeToPaperEdge) {
    QTemporaryDir folder;
    Report& report = reports.setUpKr20(*lot, ReportOutput::Print);
    ASSERT_TRUE(report.prepare());
    QPrinter printer(QPrinter::HighResolution);
    presetPrinter(printer, report.preparedPages().count());
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_TRUE(printer.collateCopies());
    EXPECT_EQ(printer.printRange(), QPrinter::AllPages);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = folder.path() + "/printed.pdf";
    printer.setOutputFileName(path);
    printPages(report.preparedPages(), printer, 1, 2);

    auto run = [](const QString& command) {
        QProcess process;
        process.startCommand(command);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    EXPECT_TRUE(run("pdfinfo " + path).contains(QRegularExpression("Pages: +2\n")));
    const QString text = run("pdftotext " + path + " -");
    EXPECT_TRUE(text.contains("Página: 2 de 3"));
    EXPECT_TRUE(text.contains("Final do arquivo"));
    EXPECT_FALSE(text.contains("RELATÓRIO DE PESAGENS"));
}

} // namespace
} // namespace vezu
