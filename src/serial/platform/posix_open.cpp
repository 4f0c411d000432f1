#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "serial/platform/posix_port_holders.hpp"
#include "serial/platform/posix_serial_device.hpp"
#include "serial/platform/posix_uucp_lock.hpp"

namespace vezu::serial::platform {

namespace {

std::string devicePath(const std::string& name) {
    return name.find('/') == std::string::npos ? "/dev/" + name : name;
}

int fail(int fd) {
    const int error = errno;
    ::close(fd);
    return error;
}

OpenResult inUse(PortHolder holder) {
    return {nullptr, EBUSY, std::move(holder)};
}

} // namespace

OpenResult openSerialDevice(const std::string& name) {
    const std::string path = devicePath(name);
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == EBUSY)
        return inUse(UucpLock::holder(path).value_or(otherOpener(path).value_or(PortHolder{})));
    if (fd < 0)
        return {nullptr, errno, {}};

    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return {nullptr, fail(fd), {}};
    // TIOCEXCL and the lock below only keep out those who come later.
    std::optional<PortHolder> holder = UucpLock::holder(path);
    if (!holder)
        holder = otherOpener(path);
    if (holder) {
        ::close(fd);
        return inUse(std::move(*holder));
    }
    // TIOCEXCL keeps other programs from opening the device; the lock also
    // holds against privileged ones, which TIOCEXCL lets through.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return {nullptr, error, {}};
    }
    if (::ioctl(fd, TIOCEXCL) != 0)
        return {nullptr, fail(fd), {}};
    std::unique_ptr<UucpLock> lock;
    PortHolder racer;
    if (UucpLock::take(path, lock, racer) == EBUSY) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return inUse(std::move(racer));
    }

    int bits = 0;
    const bool hasModemLines = ::ioctl(fd, TIOCMGET, &bits) == 0;
    serial_icounter_struct counters{};
    const bool hasLineCounters = ::ioctl(fd, TIOCGICOUNT, &counters) == 0;
    return {
        std::make_shared<PosixSerialDevice>(fd, hasModemLines, hasLineCounters, std::move(lock)),
        0,
        {}};
}

} // namespace vezu::serial::platform
