#include <QDialog>
#include <QProcess>
#include <QTimer>

#include <filesystem>

#include "locale/locale_settings.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

// The window and vezu-convert run the same command flows: from the same
// listing they write the same files, and where the window ends silently
// the converter writes nothing.
class SameFiles : public WindowFixture {
protected:
    void startWithModel(int model) {
        writeConfig("[CONF]\r\nPorta=ttyS0\r\nEsper=10\r\nIndic=" + std::to_string(model) + "\r\n");
        fs_ = formatSettingsForLocale("pt_BR");
        start();
    }
    QString out(const QString& name) const { return home_.path() + "/" + name; }

    // The window's command, with every question answered OK and the save
    // dialog with `file`.
    void windowExport(QAction* command, const QString& file) {
        ui_.answers.push_back(true);
        ui_.saveAnswers.push_back(file);
        // The PDF's "Export to PDF" options dialog is confirmed as it stands.
        QTimer confirm;
        QObject::connect(&confirm, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->accept();
            }
        });
        confirm.start(20);
        command->trigger();
    }

    int convert(const QStringList& arguments) {
        QProcess process;
        process.start(QString::fromUtf8(VEZU_CONVERT),
                      QStringList{"--locale", "pt_BR"} + arguments);
        process.waitForFinished(120000);
        stderr_ = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

    // The parts of a workbook, but the creation time in docProps/core.xml.
    static QByteArray workbookContent(const QString& path) {
        QProcess list;
        list.start("unzip", {"-Z1", path});
        list.waitForFinished();
        QByteArray content;
        for (const QByteArray& entry : list.readAllStandardOutput().split('\n')) {
            if (entry.isEmpty() || entry == "docProps/core.xml") {
                continue;
            }
            QProcess part;
            part.start("unzip", {"-p", path, QString::fromUtf8(entry)});
            part.waitForFinished();
            content += entry + "\n" + part.readAllStandardOutput();
        }
        return content;
    }

    QString stderr_;
};

TEST_F(SameFiles, CsvWorkbookAndPdfOfTheExamples) {
    struct Case {
        int model;
        const char* listing;
    };
    const Case cases[] = {{0, VEZU_EXAMPLES "/kr10-listing.txt"},
                          {1, VEZU_EXAMPLES "/kr20-listing.txt"}};
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        startWithModel(c.model);
        openListing(QString::fromUtf8(c.listing));
        ASSERT_TRUE(ui_.errors.empty()) << c.listing;
        windowExport(princ().Exportcvs, out("window.csv"));
        windowExport(princ().ExpotExcel, out("window.xlsx"));
        windowExport(princ().PDF, out("window.pdf"));
        ASSERT_TRUE(ui_.errors.empty()) << ui_.errors[0].toStdString();

        ASSERT_EQ(
            convert({"--model", c.model == 0 ? "kr10" : "kr20", QString::fromUtf8(c.listing),
                     "--csv", out("cli.csv"), "--xlsx", out("cli.xlsx"), "--pdf", out("cli.pdf")}),
            0)
            << stderr_.toStdString();
        EXPECT_EQ(bytesOf(out("cli.csv").toStdString()), bytesOf(out("window.csv").toStdString()))
            << c.listing;
        EXPECT_EQ(workbookContent(out("cli.xlsx")), workbookContent(out("window.xlsx")))
            << c.listing;
        EXPECT_EQ(bytesOf(out("cli.pdf").toStdString()), bytesOf(out("window.pdf").toStdString()))
            << c.listing;
    }
}

TEST_F(SameFiles, NothingToExportWritesNothingAndExitsWithThree) {
    struct Case {
        int model;
        const char* listing;
    };
    // A KR-10 listing read as KR-20, and a KR-10 header without items.
    const Case cases[] = {{1, VEZU_EXAMPLES "/kr10-listing.txt"},
                          {0, VEZU_FIXTURES "/kr10-header-only.txt"}};
    for (const Case& c : cases) {
        ui_ = ScriptedInteraction();
        startWithModel(c.model);
        openListing(QString::fromUtf8(c.listing));
        windowExport(princ().Exportcvs, out("window.csv"));
        windowExport(princ().ExpotExcel, out("window.xlsx"));
        windowExport(princ().PDF, out("window.pdf"));

        EXPECT_EQ(convert({"--model", c.model == 0 ? "kr10" : "kr20", QString::fromUtf8(c.listing),
                           "--csv", out("a.csv"), "--xlsx", out("a.xlsx"), "--pdf", out("a.pdf")}),
                  3)
            << c.listing;
        EXPECT_EQ(stderr_, "vezu-convert: nothing to export for --csv --xlsx --pdf: no weighing is "
                           "loaded\n");
        EXPECT_TRUE(ui_.errors.empty()) << c.listing;
        EXPECT_TRUE(ui_.opened.empty()) << c.listing;
        for (const char* name :
             {"window.csv", "window.xlsx", "window.pdf", "a.csv", "a.xlsx", "a.pdf"}) {
            EXPECT_FALSE(std::filesystem::exists(out(name).toStdString()))
                << name << " " << c.listing;
        }
    }
}

} // namespace
} // namespace vezu
