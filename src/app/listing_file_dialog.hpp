#pragma once

#include <optional>

#include <QString>

class QFileDialog;
class QWidget;

namespace vezu {

// The open dialog of "Abrir pen drive". It takes any typed name, even one
// that does not exist or a broken link, so that the command's own check
// answers it; Qt's widget dialog is used because a desktop's native one
// would refuse such a name with its own message.
void setUpListingDialog(QFileDialog& dialog, const QString& folder, const QString& filter);

// Shows that dialog; the full name chosen, nothing when the user cancels.
std::optional<QString> chooseListingFile(QWidget* parent, const QString& folder,
                                         const QString& filter);

} // namespace vezu
