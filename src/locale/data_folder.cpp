#include "locale/data_folder.hpp"

#include <QStandardPaths>

#include <filesystem>

#include "base/error.hpp"
#include "settings/ini_file.hpp"

namespace vezu {

std::string LocalAppDataPath() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string dataFolder() {
    return LocalAppDataPath() + "/Korbane/";
}

void prepareDataFolder(const std::string& camCon, const std::string& firstPort) {
    std::error_code ignored;
    std::filesystem::create_directories(camCon + "Pesagens", ignored);
    std::filesystem::create_directories(camCon + "Arquivos", ignored);
    const std::string config = camCon + "Config.ini";
    if (std::filesystem::exists(config, ignored)) {
        return;
    }
    try {
        IniFile ini(config);
        ini.writeString("CONF", "Porta", firstPort.empty() ? "ttyS0" : firstPort);
        ini.writeInteger("CONF", "Esper", 10);
        ini.writeInteger("CONF", "Indic", 0);
    } catch (const InOutError&) {
        // Without a settings file the start-up takes its defaults.
    }
}

} // namespace vezu
