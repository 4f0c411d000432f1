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

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

bool okCancel(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> chosen(const QString& fileName) {
    if (fileName.isEmpty()) {
        return std::nullopt;
    }
    return fileName.toStdString();
}

} // namespace

bool QtUserInteraction::ask(const std::string& question) {
    return okCancel(parent_, QMessageBox::NoIcon, QString::fromUtf8(kQuestionTitle), qt(question));
}

bool QtUserInteraction::confirm(const std::string& question) {
    return okCancel(parent_, QMessageBox::Question, QStringLiteral("Confirm"), qt(question));
}

void QtUserInteraction::showError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kAppTitle), qt(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

void QtUserInteraction::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), qt(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

std::optional<std::string> QtUserInteraction::openFile(const std::string& folder,
                                                       const std::string& filter) {
    const auto chosen = chooseListingFile(parent_, qt(folder), qt(filter));
    return chosen ? std::optional<std::string>(chosen->toStdString()) : std::nullopt;
}

// The file is replaced without a question, and the name gets its extension
// afterwards, so the dialog's own overwrite question would ask about the
// wrong file.
std::optional<std::string> QtUserInteraction::saveFile(const std::string& fileName,
                                                       const std::string& filter) {
    return chosen(QFileDialog::getSaveFileName(parent_, QString(), qt(fileName), qt(filter),
                                               nullptr, QFileDialog::DontConfirmOverwrite));
}

void QtUserInteraction::shellOpen(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(qt(path)));
}

void QtUserInteraction::beep() {
    QApplication::beep();
}

} // namespace vezu
