#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/scripted_interaction.hpp"
#include "commands/pdf_export.hpp"
#include "pdf/weighing_reports.hpp"
#include "report/page_renderer.hpp"
#include "report_windows/painter_canvas.hpp"
#include "report_windows/report_preview.hpp"
#include "report_windows/report_printing.hpp"
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

TEST_F(ReportPreviewTest, EmptyPreviewExportsNothingAndSaysSo) {
    QTemporaryDir folder;
    Report empty;
    ReportPreview preview(empty, pdfExport, dialogs);
    preview.prepare();
    ASSERT_TRUE(preview.pages().empty());
    for (const char* name : {"quickPdf", "save"}) {
        ui.saveAnswers = {folder.path() + "/empty"};
        if (QAction* action = preview.action(name); action->menu() != nullptr) {
            action->menu()->actions().at(1)->trigger(); // "Export to PDF..."
        } else {
            action->trigger();
        }
        EXPECT_EQ(ui.saveAnswers.size(), 1u) << name << ": no save dialog";
    }
    EXPECT_EQ(dialogs.optionDialogs, 0);
    EXPECT_EQ(dialogs.errors,
              (std::vector<QString>(
                  2, "O relatório não tem nenhuma página; nenhum arquivo foi gravado.")));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(ui.opened.empty());
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

// The screen and the printer draw with Qt's font metrics: the widest values
// still fit their columns whole.
class ClipRecordingCanvas : public PainterCanvas {
public:
    using PainterCanvas::PainterCanvas;
    void drawText(const Font& font, double x, double baseline, std::string_view text) override {
        drawn.emplace_back(text);
        if (depth_ > 0) {
            clipped.emplace_back(text);
        }
        PainterCanvas::drawText(font, x, baseline, text);
    }
    void pushClip(const Rect& area) override {
        ++depth_;
        PainterCanvas::pushClip(area);
    }
    void popClip() override {
        --depth_;
        PainterCanvas::popClip();
    }

    std::vector<std::string> drawn;
    std::vector<std::string> clipped;

private:
    int depth_ = 0;
};

TEST_F(ReportPreviewTest, PreviewShowsTheWidestValuesWhole) {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.currencyString = "R$";
    fs.currencyFormat = 2;
    reports.setFormatSettings(fs);
    auto wide = makeLotTable(1);
    for (const char* id : {"WWWWWWWWWWWWWWWW", "98200012345678901234"}) {
        wide->append();
        wide->setText(kr20::ID, id);
        wide->setInteger(kr20::PESO, 99999);
        wide->setInteger(kr20::GANHO, -9999);
        wide->setCurrency(kr20::VALOR, Currency{999999999900});
        wide->setText(kr20::CC1, "WWWWW");
        wide->setText(kr20::ARQUIVO, "WWWWWWWWWW");
        wide->setText(kr20::QUANTIDADE, "9999");
        wide->setText(kr20::MEDIO, "123456.7");
        wide->setText(kr20::BRUTO, "99999999");
        wide->post();
    }
    wide->first();
    Report& report = reports.setUpKr20(*wide, ReportOutput::Print);
    ASSERT_TRUE(report.prepare());
    QImage image(800, 1130, QImage::Format_RGB32);
    QPainter painter(&image);
    ClipRecordingCanvas canvas(painter, 800.0 / 794.0);
    renderPage(report.preparedPages().page(0), 1, canvas);
    painter.end();
    EXPECT_EQ(canvas.clipped, std::vector<std::string>{});
    for (const char* value :
         {"WWWWWWWWWWWWWWWW", "98200012345678901234", "99999", "-9999", "R$ 99.999.999,99", "WWWWW",
          "QUANT.: 9999     PESO MÉDIO: 123456.7     PESO BRUTO: 99999999"}) {
        EXPECT_NE(std::find(canvas.drawn.begin(), canvas.drawn.end(), value), canvas.drawn.end())
            << value;
    }
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
