#pragma once

#include <QString>
#include <QStringList>

namespace vezu {

// True when the command line asks for the help text or the version only,
// which need no display.
bool asksOnlyForHelpOrVersion(const QStringList& arguments);

// The listing named on the command line ("korbane-vezu FILE", the desktop
// entry's %f), as an absolute name; empty when none is given. "--help" and
// "--version" print on standard output and end the program with 0; a wrong
// command line is reported on standard error and ends it with 2.
QString listingFromCommandLine(const QStringList& arguments);

} // namespace vezu
