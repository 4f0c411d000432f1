#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "serial/platform/posix_serial_device.hpp"

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

} // namespace

OpenResult openSerialDevice(const std::string& name) {
    const std::string path = devicePath(name);
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {nullptr, errno};

    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return {nullptr, fail(fd)};
    // TIOCEXCL keeps other programs from opening the device; the lock also
    // holds against privileged ones, which TIOCEXCL lets through.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return {nullptr, error};
    }
    if (::ioctl(fd, TIOCEXCL) != 0)
        return {nullptr, fail(fd)};

    int bits = 0;
    const bool hasModemLines = ::ioctl(fd, TIOCMGET, &bits) == 0;
    serial_icounter_struct counters{};
    const bool hasLineCounters = ::ioctl(fd, TIOCGICOUNT, &counters) == 0;
    return {std::make_shared<PosixSerialDevice>(fd, hasModemLines, hasLineCounters), 0};
}

} // namespace vezu::serial::platform
