#include "app/listing_file_dialog.hpp"

#include <QFileDialog>

namespace vezu {

void setUpListingDialog(QFileDialog& dialog, const QString& folder, const QString& filter) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(folder);
    dialog.setNameFilter(filter);
    dialog.setSizeGripEnabled(true);
}

std::optional<QString> chooseListingFile(QWidget* parent, const QString& folder,
                                         const QString& filter) {
    QFileDialog dialog(parent);
    setUpListingDialog(dialog, folder, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace vezu
