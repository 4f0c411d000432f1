#pragma once

#include <memory>
#include <optional>
#include <string>

#include "serial/platform/serial_device.hpp"

namespace vezu::serial::platform {

// The UUCP lock file of a device ("LCK..ttyUSB0" in the lock folder, the
// holder's pid in ten columns), as minicom and other terminal programs keep
// it. Ours is removed when released and, if still held, when the program exits.
class UucpLock {
public:
    ~UucpLock();
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // "/dev/ttyUSB0" -> "LCK..ttyUSB0", "/dev/pts/3" -> "LCK..pts_3".
    static std::string fileName(const std::string& devicePath);
    // The live process named by the device's lock file; a stale lock (its
    // process is gone, or it names none) is removed.
    static std::optional<PortHolder> holder(const std::string& devicePath);
    // Takes the lock. Held by another: EBUSY and who. A lock folder we may not
    // write gives no lock and no error: the other guards still hold.
    static int take(const std::string& devicePath, std::unique_ptr<UucpLock>& lock,
                    PortHolder& holder);

private:
    explicit UucpLock(std::string path);

    std::string path_;
};

} // namespace vezu::serial::platform
