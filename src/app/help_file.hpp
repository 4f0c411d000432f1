#pragma once

#include <QString>

namespace vezu {

// The help page: in the installed data folder (share/korbane-vezu beside the
// program's bin folder), else next to the program in a build tree. Empty
// when neither holds it.
QString findHelpFile(const QString& programFolder);

} // namespace vezu
