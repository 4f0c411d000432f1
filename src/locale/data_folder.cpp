#include "locale/data_folder.hpp"

#include <QStandardPaths>

namespace vezu {

std::string dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString() + "/Korbane/";
}

} // namespace vezu
