#pragma once

#include <string>

namespace vezu {

// The user's documents folder, without a trailing separator.
std::string LocalAppDataPath();

// The program's data folder CamCon with its trailing slash: "Korbane/" in
// the user's documents folder.
std::string dataFolder();

// On a fresh account the program makes its own data folder: "Pesagens",
// "Arquivos" and a Config.ini holding the three settings (firstPort, else
// "ttyS0"; 10 seconds; KR-10). Anything already there is left alone, and a
// folder that cannot be made is not reported: the dialogs then open in their
// default folder.
void prepareDataFolder(const std::string& camCon, const std::string& firstPort);

} // namespace vezu
