#pragma once

#include <QString>
#include <QStringList>

namespace vezu {

// On a fresh account the program makes its own data folder: "Pesagens",
// "Arquivos" and a Config.ini holding the three settings (the first listed
// port, else "ttyS0"; 10 seconds; KR-10). Anything already there is left
// alone, and a folder that cannot be made is not reported: the dialogs
// then open in their default folder.
void prepareDataFolder(const QString& camCon, const QStringList& ports);

} // namespace vezu
