#include "locale/data_folder.hpp"

#include <QStandardPaths>

namespace vezu {

std::string LocalAppDataPath() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string dataFolder() { return LocalAppDataPath() + "/Korbane/"; }

} // namespace vezu
