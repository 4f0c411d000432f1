#include "app/help_file.hpp"

#include <QDir>
#include <QFileInfo>

namespace vezu {

QString findHelpFile(const QString& programFolder) {
    const QDir program(programFolder);
    for (const QString& candidate :
         {QStringLiteral("../share/korbane-vezu/Ajuda.html"), QStringLiteral("Ajuda.html")}) {
        const QFileInfo file(QDir::cleanPath(program.filePath(candidate)));
        if (file.isFile()) {
            return file.canonicalFilePath();
        }
    }
    return {};
}

} // namespace vezu
