#include <cerrno>
#include <gtest/gtest.h>
#include <thread>

#include "fake_com_port.hpp"
#include "pty.hpp"
#include "termios2_probe.hpp"

namespace vezu::serial::test {
namespace {

void expectComError(const std::function<void()>& action, std::int32_t code, std::int32_t winCode,
                    const char* text) {
    try {
        action();
        ADD_FAILURE() << "no error, expected " << text;
    } catch (const EComPort& error) {
        EXPECT_EQ(error.Code(), code);
        EXPECT_EQ(error.WinCode(), winCode);
        EXPECT_STREQ(error.what(), text);
    }
}

// Records the open and close handlers in order; log must outlive the port.
void logOpenAndClose(TCustomComPort& port, std::vector<std::string>& log) {
    port.OnBeforeOpen = [&](TCustomComPort&) { log.push_back("BeforeOpen"); };
    port.OnAfterOpen = [&](TCustomComPort&) { log.push_back("AfterOpen"); };
    port.OnBeforeClose = [&](TCustomComPort&) { log.push_back("BeforeClose"); };
    port.OnAfterClose = [&](TCustomComPort&) { log.push_back("AfterClose"); };
    port.OnCTSChange = [&](TCustomComPort&, bool on) { log.push_back(on ? "CTS+" : "CTS-"); };
    port.OnDSRChange = [&](TCustomComPort&, bool on) { log.push_back(on ? "DSR+" : "DSR-"); };
    port.OnRLSDChange = [&](TCustomComPort&, bool on) { log.push_back(on ? "RLSD+" : "RLSD-"); };
}

TEST(PortOpen, AMissingDeviceLeavesThePortClosed) {
    std::vector<std::string> log;
    TComPort port;
    port.SetPort("vezu-no-such-port");
    logOpenAndClose(port, log);
    expectComError([&] { port.SetConnected(true); }, 1, 2, "Unable to open com port (Error: 2)");
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Handle(), nullptr);
    EXPECT_EQ(log, std::vector<std::string>{"BeforeOpen"});
}

TEST(PortOpen, HandlersRunInOrderAroundOpenAndClose) {
    std::vector<std::string> log;
    FakeComPort port;
    logOpenAndClose(port, log);
    port.device->setModemStatus(0x10 | 0x80);
    port.Open();
    EXPECT_EQ(log, (std::vector<std::string>{"BeforeOpen", "AfterOpen", "CTS+", "DSR-", "RLSD+"}));
    log.clear();
    port.Close();
    EXPECT_EQ(log,
              (std::vector<std::string>{"CTS-", "DSR-", "RLSD-", "BeforeClose", "AfterClose"}));
    EXPECT_EQ(port.device->purges().front(), 3u);
}

TEST(PortOpen, SettingTheSameStateTwiceDoesNothing) {
    std::vector<std::string> log;
    FakeComPort port;
    logOpenAndClose(port, log);
    port.SetConnected(false);
    EXPECT_TRUE(log.empty());
    port.SetConnected(true);
    port.device->clearCalls();
    log.clear();
    port.SetConnected(true);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(port.device->calls().empty());
    EXPECT_EQ(port.opens, 1);
}

TEST(PortOpen, AFailingSetupClosesTheDeviceAgain) {
    FakeComPort port;
    port.device->failOn("setState", EINVAL);
    expectComError([&] { port.Open(); }, 7, EINVAL, "SetCommState function failed (Error: 22)");
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Handle(), nullptr);
    EXPECT_EQ(port.device->count("close"), 1u);
    EXPECT_EQ(port.device->count("setEventMask"), 0u);
}

TEST(PortOpen, AFailingSignalReportLeavesThePortOpen) {
    FakeComPort port;
    port.device->failOn("modemStatus", EIO);
    expectComError([&] { port.Open(); }, 11, EIO, "GetCommModemStatus function failed (Error: 5)");
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(port.device->eventMask(), 0x05FFu);
}

TEST(PortClose, AFailingPurgeKeepsThePortOpen) {
    FakeComPort port;
    port.Open();
    port.device->failOn("purge", EIO);
    expectComError([&] { port.Close(); }, 5, EIO, "PurgeComm function failed (Error: 5)");
    EXPECT_TRUE(port.Connected());
    EXPECT_NE(port.Handle(), nullptr);
}

TEST(PortClose, AFailingCloseStillLetsGoOfTheDevice) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    port.device->failOn("close", EIO);
    port.Close();
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Handle(), nullptr);
    port.Open();
    EXPECT_TRUE(port.Connected());
}

TEST(PortIo, ReadingAndWritingAClosedPort) {
    TComPort port;
    char byte = 0;
    std::string text;
    PAsync async;
    InitAsync(async);
    const char* const text24 = "Port Not Open (Error: -24)";
    expectComError([&] { port.Read(&byte, 1); }, 24, -24, text24);
    expectComError([&] { port.ReadStr(text, 1); }, 24, -24, text24);
    expectComError([&] { port.Write(&byte, 1); }, 24, -24, text24);
    expectComError([&] { port.WriteStr("x"); }, 24, -24, text24);
    expectComError([&] { port.ReadAsync(&byte, 1, async.get()); }, 24, -24, text24);
    expectComError([&] { port.WriteAsync(&byte, 1, async.get()); }, 24, -24, text24);
    DoneAsync(async);
}

TEST(PortIo, StatusAndLineControlOnAClosedPortRaiseTheirCodes) {
    TComPort port;
    expectComError([&] { port.InputCount(); }, 10, EBADF,
                   "ClearCommError function failed (Error: 9)");
    expectComError([&] { port.Signals(); }, 11, EBADF,
                   "GetCommModemStatus function failed (Error: 9)");
    expectComError([&] { port.SetDTR(true); }, 12, EBADF,
                   "EscapeCommFunction function failed (Error: 9)");
    expectComError([&] { port.TransmitChar('x'); }, 13, EBADF,
                   "TransmitCommChar function failed (Error: 9)");
    expectComError([&] { port.ClearBuffer(true, true); }, 5, EBADF,
                   "PurgeComm function failed (Error: 9)");
}

TEST(PortIo, EmptyRequestsTouchNothing) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    port.device->receive("abc");
    port.device->clearCalls();
    std::string text = "old";
    EXPECT_EQ(port.ReadStr(text, 0), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(port.ReadStr(text, -5), 0);
    EXPECT_EQ(port.WriteStr(""), 0);
    EXPECT_TRUE(port.device->calls().empty());
}

TEST(PortIo, BadArgumentsAreRefused) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    char byte = 0;
    expectComError([&] { port.Read(&byte, -1); }, 3, EINVAL,
                   "ReadFile function failed (Error: 22)");
    expectComError([&] { port.Write(nullptr, 4); }, 2, EINVAL,
                   "WriteFile function failed (Error: 22)");
    const char* const text4 = "Invalid Async parameter";
    expectComError([&] { port.ReadAsync(&byte, 1, nullptr); }, 4, -1, text4);
    expectComError([&] { port.WriteAsync(&byte, 1, nullptr); }, 4, -1, text4);
    expectComError([&] { port.WaitForAsync(nullptr); }, 4, -1, text4);
    expectComError([&] { port.IsAsyncCompleted(nullptr); }, 4, -1, text4);
}

TEST(PortIo, DriverFailuresOfReadsAndWrites) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    port.device->failOn("read", EIO);
    port.device->failOn("write", EPIPE);
    char byte = 0;
    expectComError([&] { port.Read(&byte, 1); }, 3, EIO, "ReadFile function failed (Error: 5)");
    expectComError([&] { port.WriteStr("x"); }, 2, EPIPE, "WriteFile function failed (Error: 32)");
}

// Notes which thread each read runs on.
class ThreadNotingDevice : public FakeSerialDevice {
public:
    platform::IoResult read(std::uint8_t* buffer, std::uint32_t count,
                            const platform::StopSignal* cancel) override {
        readOn = std::this_thread::get_id();
        return FakeSerialDevice::read(buffer, count, cancel);
    }
    std::thread::id readOn;
};

TEST(PortIo, WaitingBytesAreReadOnTheCallingThreadAndWaitingReadsOnTheirOwn) {
    FakeComPort port;
    auto device = std::make_shared<ThreadNotingDevice>();
    port.device = device;
    port.SetEvents({});
    port.Open();
    device->receive("abcdef");
    std::string text;
    // The default time-outs never wait.
    EXPECT_EQ(port.ReadStr(text, 4), 4);
    EXPECT_EQ(text, "abcd");
    EXPECT_EQ(device->readOn, std::this_thread::get_id());

    // Time-outs that may wait keep the overlapped operation.
    port.Timeouts().SetReadTotalConstant(50);
    EXPECT_EQ(port.ReadStr(text, 4), 2);
    EXPECT_EQ(text, "ef");
    EXPECT_NE(device->readOn, std::this_thread::get_id());
}

TEST(PortLineControl, EachCallReachesTheDriver) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    port.SetDTR(true);
    port.SetDTR(false);
    port.SetRTS(true);
    port.SetRTS(false);
    port.SetXonXoff(true);
    port.SetXonXoff(false);
    port.SetBreak(true);
    port.SetBreak(false);
    EXPECT_EQ(port.device->escapes(), (std::vector<std::uint32_t>{5, 6, 3, 4, 2, 1, 8, 9}));

    port.ClearBuffer(true, false);
    port.ClearBuffer(false, true);
    port.ClearBuffer(true, true);
    const auto purges = port.device->purges();
    EXPECT_EQ(std::vector<std::uint32_t>(purges.end() - 3, purges.end()),
              (std::vector<std::uint32_t>{8, 4, 12}));

    port.TransmitChar('!');
    EXPECT_EQ(port.device->written(), "!");
    port.device->failOn("escape", EIO);
    expectComError([&] { port.SetBreak(true); }, 12, EIO,
                   "EscapeCommFunction function failed (Error: 5)");
}

TEST(PortStatus, LineErrorsSignalsAndCounts) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    port.device->setLineErrors(0x0004 | 0x0008);
    EXPECT_EQ(port.LastErrors(), TComErrors{TComError::ceFrame});
    port.Parity().SetCheck(true);
    port.device->setLineErrors(0x0004);
    EXPECT_EQ(port.LastErrors(), TComErrors{TComError::ceRxParity});
    // The query cleared them.
    EXPECT_TRUE(port.LastErrors().empty());

    port.device->setModemStatus(0x20 | 0x40);
    EXPECT_EQ(port.Signals(), (TComSignals{TComSignal::csDSR, TComSignal::csRing}));
    port.device->receive("12345");
    EXPECT_EQ(port.InputCount(), 5);
    EXPECT_EQ(port.OutputCount(), 0);
    EXPECT_TRUE(port.StateFlags().empty());
}

// A port open on the slave of a pseudo-terminal, without an event thread.
class PtyPort : public ::testing::Test {
protected:
    void SetUp() override {
        port.SetPort(pty.slavePath());
        port.SetEvents({});
        port.Open();
    }

    Pty pty;
    TComPort port;
};

TEST_F(PtyPort, ReadStrReturnsWhatIsWaitingAtOnce) {
    pty.send("AB\xE7\x01");
    ASSERT_TRUE(eventually([&] { return port.InputCount() == 4; }));
    std::string text;
    EXPECT_EQ(port.ReadStr(text, 10), 4);
    EXPECT_EQ(text, "AB\xE7\x01");
    EXPECT_EQ(port.ReadStr(text, 10), 0);
    EXPECT_EQ(text, "");
}

TEST_F(PtyPort, WritesReachTheFarEnd) {
    EXPECT_EQ(port.WriteStr("P\xE9SO\r\n"), 6);
    EXPECT_EQ(pty.receive(6), "P\xE9SO\r\n");
    const std::uint8_t bytes[] = {0, 255, 13};
    EXPECT_EQ(port.Write(bytes, 3), 3);
    EXPECT_EQ(pty.receive(3), std::string("\0\xFF\r", 3));
}

TEST_F(PtyPort, AsyncTrio) {
    PAsync async;
    InitAsync(async);
    EXPECT_TRUE(port.IsAsyncCompleted(async.get()));
    EXPECT_EQ(port.WaitForAsync(async.get()), 0);

    port.WriteAsync("hello", 5, async.get());
    EXPECT_EQ(async->Kind, TOperationKind::okWrite);
    EXPECT_EQ(async->Size, 5);
    EXPECT_EQ(port.WaitForAsync(async.get()), 5);
    EXPECT_TRUE(port.IsAsyncCompleted(async.get()));
    EXPECT_EQ(pty.receive(5), "hello");

    pty.send("xyz");
    ASSERT_TRUE(eventually([&] { return port.InputCount() == 3; }));
    char buffer[8] = {};
    port.ReadAsync(buffer, 8, async.get());
    EXPECT_EQ(async->Kind, TOperationKind::okRead);
    EXPECT_EQ(port.WaitForAsync(async.get()), 3);
    EXPECT_EQ(std::string(buffer, 3), "xyz");
    DoneAsync(async);
    EXPECT_EQ(async, nullptr);
}

TEST_F(PtyPort, AbortAllAsyncEndsAPendingRead) {
    port.Timeouts().SetReadInterval(0);
    PAsync async;
    InitAsync(async);
    char buffer[8];
    port.ReadAsync(buffer, 8, async.get());
    EXPECT_FALSE(port.IsAsyncCompleted(async.get()));
    port.AbortAllAsync();
    expectComError([&] { port.WaitForAsync(async.get()); }, 3, ECANCELED,
                   "ReadFile function failed (Error: 125)");
    expectComError([&] { port.IsAsyncCompleted(async.get()); }, 6, ECANCELED,
                   "Unable to get async status (Error: 125)");
    DoneAsync(async);
}

TEST_F(PtyPort, DoneAsyncAbortsWhatIsStillRunning) {
    port.Timeouts().SetReadInterval(0);
    PAsync async;
    InitAsync(async);
    char buffer[8];
    port.ReadAsync(buffer, 8, async.get());
    DoneAsync(async);
    EXPECT_EQ(async, nullptr);
}

TEST_F(PtyPort, ChangesOnTheOpenPortReachTheTerminal) {
    port.SetBaudRate(TBaudRate::br19200);
    EXPECT_EQ(outputRateOf(pty.masterFd()), 19200u);
    port.SetBaudRate(TBaudRate::brCustom);
    port.SetCustomBaudRate(31250);
    EXPECT_EQ(outputRateOf(pty.masterFd()), 31250u);
}

TEST_F(PtyPort, APortWhoseDeviceHasGoneStillCloses) {
    pty.closeMaster();
    std::string text;
    EXPECT_THROW(port.ReadStr(text, 1), EComPort);
    port.Close();
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Handle(), nullptr);
}

TEST_F(PtyPort, WaitForEventWithoutTheThread) {
    TComEvents events{TComEvent::evRxChar};
    port.WaitForEvent(events, nullptr, 100);
    EXPECT_TRUE(events.empty());

    pty.send("k");
    events = {TComEvent::evRxChar, TComEvent::evCTS};
    port.WaitForEvent(events, nullptr, 10000);
    EXPECT_EQ(events, TComEvents{TComEvent::evRxChar});

    platform::StopSignal stop;
    stop.set();
    events = {TComEvent::evRxChar};
    port.WaitForEvent(events, &stop, -1);
    EXPECT_TRUE(events.empty());
}

TEST(PortWaitForEvent, RefusedWhileTheEventThreadRunsAndReportsFailures) {
    FakeComPort port;
    port.Open();
    TComEvents events{TComEvent::evRxChar};
    expectComError([&] { port.WaitForEvent(events, nullptr, 10); }, 20, -1,
                   "Cannot wait for event if event thread is created");
    port.Close();
    port.SetEvents({});
    port.Open();
    port.device->failOn("waitEvent", EIO);
    expectComError([&] { port.WaitForEvent(events, nullptr, 10); }, 21, EIO,
                   "WaitForEvent method failed (Error: 5)");
    EXPECT_EQ(port.device->eventMask(), 0u);
}

} // namespace
} // namespace vezu::serial::test
