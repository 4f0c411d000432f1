#include "app/qt_user_interaction.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "app/listing_file_dialog.hpp"
#include "app/texts.hpp"

namespace vezu {
namespace {

bool okCancel(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> chosen(const QString& fileName) {
    if (fileName.isEmpty()) {
        return std::nullopt;
    }
    return fileName;
}

} // namespace

bool QtUserInteraction::ask(const QString& question) {
    return okCancel(parent_, QMessageBox::NoIcon, QString::fromUtf8(kQuestionTitle), question);
}

bool QtUserInteraction::confirm(const QString& question) {
    return okCancel(parent_, QMessageBox::Question, QStringLiteral("Confirm"), question);
}

void QtUserInteraction::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

void QtUserInteraction::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

std::optional<QString> QtUserInteraction::openFile(const QString& folder, const QString& filter) {
    return chooseListingFile(parent_, folder, filter);
}

// The file is replaced without a question, and the name gets its ".csv"
// afterwards, so the dialog's own overwrite question would ask about the
// wrong file.
std::optional<QString> QtUserInteraction::saveFile(const QString& fileName, const QString& filter) {
    return chosen(QFileDialog::getSaveFileName(parent_, QString(), fileName, filter, nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

void QtUserInteraction::shellOpen(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtUserInteraction::beep() { QApplication::beep(); }

} // namespace vezu
