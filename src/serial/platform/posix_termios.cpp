#include "serial/platform/posix_termios.hpp"

#include <array>
#include <cerrno>
#include <utility>

#include "serial/platform/linux_custom_baud.hpp"

namespace vezu::serial::platform {

namespace {

constexpr std::array<std::pair<std::uint32_t, speed_t>, 24> kSpeeds = {{
    {50, B50},         {75, B75},         {110, B110},         {134, B134},
    {150, B150},       {200, B200},       {300, B300},         {600, B600},
    {1200, B1200},     {1800, B1800},     {2400, B2400},       {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},     {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800},   {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {2000000, B2000000},
}};

const speed_t* standardSpeed(std::uint32_t rate) {
    for (const auto& [bits, speed] : kSpeeds)
        if (bits == rate)
            return &speed;
    return nullptr;
}

tcflag_t sizeFlag(std::uint8_t byteSize) {
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t parityFlags(std::uint8_t parity) {
    switch (parity) {
    case 1:
        return PARENB | PARODD;
    case 2:
        return PARENB;
    case 3:
        return PARENB | PARODD | CMSPAR;
    case 4:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

} // namespace

int termiosFromDcb(const DCB& dcb, termios& settings) {
    if (dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > 4 || dcb.StopBits > 2 ||
        dcb.BaudRate == 0)
        return EINVAL;

    settings.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF |
                          IXANY | INPCK | IGNPAR);
    settings.c_oflag &= ~OPOST;
    settings.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    settings.c_cflag |= CLOCAL | CREAD | sizeFlag(dcb.ByteSize) | parityFlags(dcb.Parity);
    // 1.5 stop bits is what the UART makes of CSTOPB with five data bits.
    if (dcb.StopBits != 0)
        settings.c_cflag |= CSTOPB;

    const std::uint32_t rtsControl = (dcb.Flags & kDcbRtsControlMask) >> kDcbRtsControlShift;
    if ((dcb.Flags & kDcbOutxCtsFlow) || rtsControl == kRtsControlHandshake)
        settings.c_cflag |= CRTSCTS;
    if (dcb.Flags & kDcbParity)
        settings.c_iflag |= INPCK;
    if (dcb.Flags & kDcbOutX)
        settings.c_iflag |= IXON;
    if (dcb.Flags & kDcbInX)
        settings.c_iflag |= IXOFF;
    settings.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    settings.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    // One byte wakes poll(); an empty non-blocking read is EAGAIN, so a read
    // of 0 bytes always means the device hung up.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    return 0;
}

int applyDcbToTerminal(int fd, const DCB& dcb) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return errno;
    if (const int error = termiosFromDcb(dcb, settings))
        return error;
    const speed_t* speed = standardSpeed(dcb.BaudRate);
    if (speed) {
        ::cfsetispeed(&settings, *speed);
        ::cfsetospeed(&settings, *speed);
    }
    if (::tcsetattr(fd, TCSANOW, &settings) != 0)
        return errno;
    return speed ? 0 : setCustomBaudRate(fd, dcb.BaudRate);
}

} // namespace vezu::serial::platform
