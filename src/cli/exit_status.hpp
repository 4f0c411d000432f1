#pragma once

namespace vezu {

// vezu-convert's exit status.
enum ExitStatus : int {
    kExitDone = 0,
    // The program's own text is on stderr.
    kExitError = 1,
    kExitUsage = 2,
    // Where the window would end silently: no file written.
    kExitNothingToExport = 3,
    // The capture was cut short because the device went away.
    kExitDeviceGone = 4,
};

} // namespace vezu
