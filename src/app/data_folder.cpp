#include "app/data_folder.hpp"

#include <QDir>
#include <QFileInfo>

#include "base/error.hpp"
#include "settings/ini_file.hpp"

namespace vezu {

void prepareDataFolder(const QString& camCon, const QStringList& ports) {
    QDir folder;
    folder.mkpath(camCon + QStringLiteral("Pesagens"));
    folder.mkpath(camCon + QStringLiteral("Arquivos"));
    const QString config = camCon + QStringLiteral("Config.ini");
    if (QFileInfo::exists(config)) {
        return;
    }
    try {
        IniFile ini(config.toStdString());
        ini.writeString("CONF", "Porta", ports.isEmpty() ? "ttyS0" : ports.front().toStdString());
        ini.writeInteger("CONF", "Esper", 10);
        ini.writeInteger("CONF", "Indic", 0);
    } catch (const InOutError&) {
        // Without a settings file the start-up takes its defaults.
    }
}

} // namespace vezu
