#include <cerrno>
#include <future>
#include <gtest/gtest.h>
#include <termios.h>
#include <thread>

#include "pty.hpp"
#include "serial/platform/posix_termios.hpp"
#include "serial/platform/serial_device.hpp"
#include "termios2_probe.hpp"

namespace vezu::serial::test {
namespace {

using namespace platform;
using namespace std::chrono_literals;

DCB lineOf(std::uint32_t rate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits,
           std::uint32_t flags = kDcbBinary) {
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = rate;
    dcb.Flags = flags;
    dcb.ByteSize = byteSize;
    dcb.Parity = parity;
    dcb.StopBits = stopBits;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

constexpr COMMTIMEOUTS kImmediate{kMaxDword, 0, 0, 100, 1000};

TEST(PosixOpen, MissingDevicesAndNonTerminalsFail) {
    EXPECT_EQ(openSerialDevice("/dev/vezu-no-such-port").error, ENOENT);
    // A bare name is looked for in /dev.
    EXPECT_EQ(openSerialDevice("vezu-no-such-port").error, ENOENT);
    EXPECT_EQ(openSerialDevice("null").error, ENOTTY);
    EXPECT_EQ(openSerialDevice("null").device, nullptr);
}

TEST(PosixOpen, APortServesOneOpenerAtATime) {
    Pty pty;
    auto first = openSerialDevice(pty.slavePath());
    ASSERT_NE(first.device, nullptr) << first.error;
    EXPECT_EQ(openSerialDevice(pty.slavePath()).error, EBUSY);
    first.device->close();
    auto again = openSerialDevice(pty.slavePath());
    EXPECT_NE(again.device, nullptr) << again.error;
}

// A device opened on the slave of a fresh pseudo-terminal, 9600 8N1.
class PtyDevice : public ::testing::Test {
protected:
    void SetUp() override {
        auto opened = openSerialDevice(pty.slavePath());
        ASSERT_NE(opened.device, nullptr) << opened.error;
        device = opened.device;
        ASSERT_EQ(device->setState(lineOf(9600, 8, 0, 0)), 0);
        ASSERT_EQ(device->setTimeouts(kImmediate), 0);
    }

    std::uint32_t inputCount() {
        std::uint32_t errors = 0;
        COMSTAT status{};
        EXPECT_EQ(device->clearError(errors, status), 0);
        return status.cbInQue;
    }

    std::string readAll(std::size_t count) {
        std::string bytes;
        eventually([&] {
            std::uint8_t chunk[512];
            const IoResult result = device->read(chunk, sizeof chunk, nullptr);
            bytes.append(reinterpret_cast<const char*>(chunk), result.count);
            return bytes.size() >= count || result.error != 0;
        });
        return bytes;
    }

    termios slaveSettings() {
        termios settings{};
        ::tcgetattr(pty.masterFd(), &settings);
        return settings;
    }

    Pty pty;
    std::shared_ptr<SerialDevice> device;
};

TEST_F(PtyDevice, EveryByteValueCrossesUnchangedBothWays) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    pty.send(all);
    EXPECT_EQ(readAll(all.size()), all);

    const IoResult written =
        device->write(reinterpret_cast<const std::uint8_t*>(all.data()), all.size(), nullptr);
    EXPECT_EQ(written.error, 0);
    EXPECT_EQ(written.count, all.size());
    EXPECT_EQ(pty.receive(all.size()), all);
}

TEST(TermiosFromDcb, TheLineShapeMapsToTheControlFlags) {
    struct Case {
        DCB dcb;
        tcflag_t size, parity;
        bool twoStops, rtscts;
    };
    const Case cases[] = {
        {lineOf(9600, 8, 0, 0), CS8, 0, false, false},
        {lineOf(9600, 7, 2, 2), CS7, PARENB, true, false},
        {lineOf(9600, 6, 1, 0), CS6, PARENB | PARODD, false, false},
        {lineOf(9600, 5, 3, 1), CS5, PARENB | PARODD | CMSPAR, true, false},
        {lineOf(9600, 8, 4, 0, kDcbBinary | kDcbOutxCtsFlow), CS8, PARENB | CMSPAR, false, true},
        {lineOf(9600, 8, 0, 0, kDcbBinary | (kRtsControlHandshake << kDcbRtsControlShift)), CS8, 0,
         false, true},
    };
    for (const Case& c : cases) {
        termios t{};
        t.c_lflag = ICANON | ECHO | ISIG;
        t.c_oflag = OPOST;
        t.c_iflag = ICRNL | IXON;
        t.c_cflag = CS8 | PARENB | CSTOPB | CRTSCTS;
        ASSERT_EQ(termiosFromDcb(c.dcb, t), 0);
        EXPECT_EQ(t.c_cflag & CSIZE, c.size);
        EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), c.parity);
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.twoStops);
        EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, c.rtscts);
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
        EXPECT_EQ(t.c_iflag & (ICRNL | IXON | IXOFF | INPCK), 0u);
    }
}

TEST_F(PtyDevice, RawModeStopBitsAndHandshakeReachTheTerminal) {
    // A pseudo-terminal keeps 8 data bits and no parity whatever it is told.
    ASSERT_EQ(device->setState(lineOf(9600, 8, 0, 2, kDcbBinary | kDcbOutxCtsFlow)), 0);
    const termios t = slaveSettings();
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
}

TEST_F(PtyDevice, SoftwareFlowAndParityCheck) {
    DCB dcb = lineOf(9600, 8, 2, 0, kDcbBinary | kDcbOutX | kDcbInX | kDcbParity);
    dcb.XonChar = 'a';
    dcb.XoffChar = 'b';
    ASSERT_EQ(device->setState(dcb), 0);
    const termios t = slaveSettings();
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | INPCK), static_cast<tcflag_t>(IXON | IXOFF | INPCK));
    EXPECT_EQ(t.c_cc[VSTART], 'a');
    EXPECT_EQ(t.c_cc[VSTOP], 'b');
}

TEST_F(PtyDevice, StandardAndCustomRates) {
    for (const std::uint32_t rate :
         {110u, 9600u, 14400u, 56000u, 115200u, 128000u, 256000u, 500u}) {
        ASSERT_EQ(device->setState(lineOf(rate, 8, 0, 0)), 0) << rate;
        EXPECT_EQ(outputRateOf(pty.masterFd()), rate);
    }
}

TEST_F(PtyDevice, ImpossibleLinesAreRefused) {
    EXPECT_EQ(device->setState(lineOf(9600, 9, 0, 0)), EINVAL);
    EXPECT_EQ(device->setState(lineOf(9600, 8, 5, 0)), EINVAL);
    EXPECT_EQ(device->setState(lineOf(9600, 8, 0, 3)), EINVAL);
    EXPECT_EQ(device->setState(lineOf(0, 8, 0, 0)), EINVAL);
}

TEST_F(PtyDevice, WithoutModemLinesSignalsAreOffAndLineControlDoesNothing) {
    std::uint32_t status = 0xFF;
    EXPECT_EQ(device->modemStatus(status), 0);
    EXPECT_EQ(status, 0u);
    for (const std::uint32_t function : {SETDTR, CLRDTR, SETRTS, CLRRTS, SETBREAK, CLRBREAK})
        EXPECT_EQ(device->escape(function), 0) << function;
    EXPECT_EQ(device->escape(7), EINVAL);
}

TEST_F(PtyDevice, QueueCountsAndPurge) {
    pty.send("0123456789");
    EXPECT_TRUE(eventually([&] { return inputCount() == 10; }));
    EXPECT_EQ(device->purge(PURGE_RXCLEAR), 0);
    EXPECT_EQ(inputCount(), 0u);
    std::uint8_t byte = 0;
    EXPECT_EQ(device->read(&byte, 1, nullptr).count, 0u);
}

TEST_F(PtyDevice, ReadsFollowTheTimeouts) {
    std::uint8_t buffer[16];
    // Nothing waiting and "return at once".
    const IoResult nothing = device->read(buffer, sizeof buffer, nullptr);
    EXPECT_EQ(nothing.error, 0);
    EXPECT_EQ(nothing.count, 0u);

    // A total time-out ends the read short, without an error.
    ASSERT_EQ(device->setTimeouts({0, 0, 200, 0, 0}), 0);
    pty.send("abc");
    const auto started = std::chrono::steady_clock::now();
    const IoResult partial = device->read(buffer, sizeof buffer, nullptr);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 150ms);
    EXPECT_EQ(partial.error, 0);
    EXPECT_EQ(partial.count, 3u);

    // Wait for the first bytes only.
    ASSERT_EQ(device->setTimeouts({kMaxDword, kMaxDword, 60000, 0, 0}), 0);
    auto late = std::async(std::launch::async, [&] {
        std::this_thread::sleep_for(50ms);
        pty.send("xy");
    });
    const IoResult first = device->read(buffer, sizeof buffer, nullptr);
    late.get();
    EXPECT_EQ(first.error, 0);
    EXPECT_GE(first.count, 1u);
}

TEST_F(PtyDevice, DiscardNullDropsNulBytes) {
    ASSERT_EQ(device->setState(lineOf(9600, 8, 0, 0, kDcbBinary | kDcbNull)), 0);
    pty.send(std::string("a\0b\0\0c", 6));
    EXPECT_EQ(readAll(3), "abc");
}

TEST_F(PtyDevice, AbortCancelAndCloseEndABlockedRead) {
    ASSERT_EQ(device->setTimeouts({0, 0, 0, 0, 0}), 0);
    std::uint8_t buffer[4];
    auto reading = std::async(std::launch::async, [&] { return device->read(buffer, 4, nullptr); });
    EXPECT_EQ(reading.wait_for(100ms), std::future_status::timeout);
    EXPECT_EQ(device->purge(PURGE_RXABORT), 0);
    EXPECT_EQ(reading.get().error, ECANCELED);

    StopSignal cancel;
    cancel.set();
    EXPECT_EQ(device->read(buffer, 4, &cancel).error, ECANCELED);

    auto again = std::async(std::launch::async, [&] { return device->read(buffer, 4, nullptr); });
    EXPECT_EQ(again.wait_for(100ms), std::future_status::timeout);
    device->close();
    EXPECT_NE(again.get().error, 0);
}

TEST_F(PtyDevice, ArrivalsAreEventsOnceEach) {
    ASSERT_EQ(device->setEventMask(EV_RXCHAR | EV_RXFLAG), 0);
    EXPECT_EQ(device->waitEvent(nullptr, 100).status, WaitStatus::timedOut);

    pty.send("ab");
    WaitResult result = device->waitEvent(nullptr, 10000);
    EXPECT_EQ(result.status, WaitStatus::events);
    EXPECT_EQ(result.events, EV_RXCHAR);
    // Bytes left unread are no new event.
    EXPECT_EQ(device->waitEvent(nullptr, 150).status, WaitStatus::timedOut);
    EXPECT_EQ(inputCount(), 2u);

    DCB dcb = lineOf(9600, 8, 0, 0);
    dcb.EvtChar = '\n';
    ASSERT_EQ(device->setState(dcb), 0);
    pty.send("c\n");
    result = device->waitEvent(nullptr, 10000);
    EXPECT_EQ(result.events, EV_RXCHAR | EV_RXFLAG);
    EXPECT_EQ(readAll(4), "abc\n");
}

TEST_F(PtyDevice, QueueFillingAndTransmitterEmptying) {
    ASSERT_EQ(device->setupQueues(10, 10), 0);
    ASSERT_EQ(device->setEventMask(EV_RX80FULL | EV_TXEMPTY), 0);
    pty.send("12345678");
    WaitResult result;
    EXPECT_TRUE(eventually([&] {
        result = device->waitEvent(nullptr, 10000);
        return result.events != 0;
    }));
    EXPECT_EQ(result.events, EV_RX80FULL);

    const std::uint8_t byte = 'z';
    ASSERT_EQ(device->write(&byte, 1, nullptr).count, 1u);
    result = device->waitEvent(nullptr, 10000);
    EXPECT_EQ(result.events, EV_TXEMPTY);
}

TEST_F(PtyDevice, TheStopSignalEndsAWait) {
    StopSignal stop;
    ASSERT_EQ(device->setEventMask(EV_RXCHAR), 0);
    auto waiting = std::async(std::launch::async, [&] { return device->waitEvent(&stop, -1); });
    EXPECT_EQ(waiting.wait_for(100ms), std::future_status::timeout);
    stop.set();
    EXPECT_EQ(waiting.get().status, WaitStatus::stopped);
    EXPECT_TRUE(stop.isSet());
    stop.reset();
    EXPECT_FALSE(stop.isSet());
}

TEST_F(PtyDevice, AHungUpDeviceFailsWaitsAndReads) {
    ASSERT_EQ(device->setEventMask(EV_RXCHAR), 0);
    pty.send("last");
    EXPECT_EQ(device->waitEvent(nullptr, 10000).events, EV_RXCHAR);
    pty.closeMaster();
    const WaitResult gone = device->waitEvent(nullptr, 10000);
    EXPECT_EQ(gone.status, WaitStatus::hungUp);
    EXPECT_NE(gone.error, 0);
    // Its queue is still counted, not refused.
    std::uint32_t errors = 0;
    COMSTAT status{};
    EXPECT_EQ(device->clearError(errors, status), 0);
    EXPECT_EQ(status.cbInQue, 4u);
    // What had arrived before the hang-up can still be read.
    EXPECT_EQ(readAll(4), "last");
    std::uint8_t byte = 0;
    EXPECT_EQ(device->read(&byte, 1, nullptr).error, EIO);
}

} // namespace
} // namespace vezu::serial::test
