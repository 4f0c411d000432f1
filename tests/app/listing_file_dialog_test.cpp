#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/listing_file_dialog.hpp"
#include "window_fixture.hpp"

namespace vezu {
namespace {

// A folder with one listing, one broken link and nothing else.
class ListingFileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        ASSERT_TRUE(folder_.isValid());
        QFile listing(path("LOTE01.txt"));
        ASSERT_TRUE(listing.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QFile::link(path("apagado.txt"), path("quebrado.txt")));
    }
    QString path(const QString& name) const { return folder_.path() + "/" + name; }

    // Types a name into the real dialog and presses Enter; what the dialog
    // returns, and whether a message box of its own came up instead.
    struct Outcome {
        std::optional<QString> chosen;
        bool ownMessage = false;
    };
    Outcome type(const QString& name) {
        Outcome outcome;
        QTimer::singleShot(0, [&] {
            QPointer<QFileDialog> dialog =
                qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_FALSE(dialog.isNull());
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(edit, nullptr);
            edit->setText(name);
            // Runs only if Enter left the dialog open: closes what it showed.
            QTimer::singleShot(0, [&outcome, dialog] {
                if (dialog.isNull()) {
                    return;
                }
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    outcome.ownMessage = true;
                    box->reject();
                }
                dialog->reject();
            });
            QTest::keyClick(edit, Qt::Key_Return);
        });
        outcome.chosen = chooseListingFile(nullptr, folder_.path(), "Arquivos de texto (*.txt)");
        return outcome;
    }

    QTemporaryDir folder_;
};

TEST_F(ListingFileDialog, AnyTypedNameReachesTheProgramsOwnCheck) {
    struct Case {
        const char* typed;
        const char* chosen;
    };
    const Case cases[] = {
        {"LOTE01.txt", "LOTE01.txt"},
        {"naoexiste.txt", "naoexiste.txt"},
        {"quebrado.txt", "quebrado.txt"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = type(c.typed);
        EXPECT_FALSE(outcome.ownMessage) << c.typed;
        EXPECT_EQ(outcome.chosen, std::optional<QString>(path(c.chosen))) << c.typed;
    }
}

TEST_F(ListingFileDialog, OpensInTheFolderGivenWithQtsOwnWidgets) {
    QFileDialog dialog;
    setUpListingDialog(dialog, folder_.path(), "Arquivos de texto (*.txt)");
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder_.path()).canonicalPath());
    EXPECT_EQ(dialog.nameFilters(), QStringList{"Arquivos de texto (*.txt)"});
}

TEST_F(ListingFileDialog, CancelChoosesNothing) {
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->close();
    });
    EXPECT_EQ(chooseListingFile(nullptr, folder_.path(), "Arquivos de texto (*.txt)"),
              std::nullopt);
}

} // namespace
} // namespace vezu
