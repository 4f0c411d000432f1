#include <functional>
#include <gtest/gtest.h>

#include "fake_com_port.hpp"

namespace vezu::serial::test {
namespace {

TEST(PortSettings, DefaultsAreTheSystemsLine) {
    TComPort port;
    EXPECT_EQ(port.Port(), "COM1");
    EXPECT_EQ(port.BaudRate(), TBaudRate::br9600);
    EXPECT_EQ(port.CustomBaudRate(), 9600);
    EXPECT_EQ(port.DataBits(), TDataBits::dbEight);
    EXPECT_EQ(port.StopBits(), TStopBits::sbOneStopBit);
    EXPECT_EQ(port.Parity().Bits(), TParityBits::prNone);
    EXPECT_FALSE(port.Parity().Check());
    EXPECT_FALSE(port.Parity().Replace());
    EXPECT_EQ(port.Parity().ReplaceChar(), 0);
    EXPECT_EQ(port.FlowControl().FlowControl(), TFlowControl::fcNone);
    EXPECT_EQ(port.FlowControl().ControlDTR(), TDTRFlowControl::dtrDisable);
    EXPECT_FALSE(port.FlowControl().OutDSRFlow());
    EXPECT_FALSE(port.FlowControl().DSRSensitivity());
    EXPECT_FALSE(port.FlowControl().TxContinueOnXoff());
    EXPECT_EQ(port.FlowControl().XonChar(), 0x11);
    EXPECT_EQ(port.FlowControl().XoffChar(), 0x13);
    EXPECT_EQ(port.Timeouts().ReadInterval(), -1);
    EXPECT_EQ(port.Timeouts().ReadTotalMultiplier(), 0);
    EXPECT_EQ(port.Timeouts().ReadTotalConstant(), 0);
    EXPECT_EQ(port.Timeouts().WriteTotalMultiplier(), 100);
    EXPECT_EQ(port.Timeouts().WriteTotalConstant(), 1000);
    EXPECT_EQ(port.Buffer().InputSize(), 1024);
    EXPECT_EQ(port.Buffer().OutputSize(), 1024);
    EXPECT_FALSE(port.DiscardNull());
    EXPECT_EQ(port.EventChar(), 0);
    EXPECT_EQ(port.Events(), TComEvents::all());
    EXPECT_EQ(port.SyncMethod(), TSyncMethod::smThreadSync);
    EXPECT_EQ(port.EventThreadPriority(), ThreadPriority::normal);
    EXPECT_TRUE(port.TriggersOnRxChar());
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(port.Handle(), nullptr);
    EXPECT_EQ(port.CodePage(), 0u);
}

TEST(FlowControl, ReadsTheSummaryOfItsSwitches) {
    struct Case {
        TRTSFlowControl rts;
        bool cts, xonIn, xonOut;
        TFlowControl expected;
    };
    using R = TRTSFlowControl;
    using F = TFlowControl;
    const Case cases[] = {
        {R::rtsHandshake, true, false, false, F::fcHardware},
        {R::rtsHandshake, true, true, false, F::fcCustom},
        {R::rtsHandshake, false, false, false, F::fcCustom},
        {R::rtsDisable, false, true, true, F::fcSoftware},
        {R::rtsDisable, false, true, false, F::fcCustom},
        {R::rtsDisable, true, true, true, F::fcCustom},
        {R::rtsDisable, false, false, false, F::fcNone},
        {R::rtsEnable, false, false, false, F::fcCustom},
        {R::rtsToggle, false, true, true, F::fcCustom},
    };
    for (const Case& c : cases) {
        TComFlowControl flow;
        flow.SetControlRTS(c.rts);
        flow.SetOutCTSFlow(c.cts);
        flow.SetXonXoffIn(c.xonIn);
        flow.SetXonXoffOut(c.xonOut);
        // DTR and DSR play no part.
        flow.SetControlDTR(TDTRFlowControl::dtrHandshake);
        flow.SetOutDSRFlow(true);
        EXPECT_EQ(flow.FlowControl(), c.expected)
            << static_cast<int>(c.rts) << c.cts << c.xonIn << c.xonOut;
    }
}

TEST(FlowControl, WritingTheSummarySetsTheSwitches) {
    TComFlowControl flow;
    flow.SetFlowControl(TFlowControl::fcHardware);
    EXPECT_EQ(flow.ControlRTS(), TRTSFlowControl::rtsHandshake);
    EXPECT_TRUE(flow.OutCTSFlow());
    EXPECT_FALSE(flow.XonXoffIn());
    EXPECT_FALSE(flow.XonXoffOut());
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcHardware);
    flow.SetXonXoffIn(true);
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcCustom);

    flow.SetFlowControl(TFlowControl::fcCustom);
    EXPECT_EQ(flow.ControlRTS(), TRTSFlowControl::rtsHandshake);
    EXPECT_TRUE(flow.XonXoffIn());

    flow.SetFlowControl(TFlowControl::fcSoftware);
    EXPECT_EQ(flow.ControlRTS(), TRTSFlowControl::rtsDisable);
    EXPECT_FALSE(flow.OutCTSFlow());
    EXPECT_TRUE(flow.XonXoffIn());
    EXPECT_TRUE(flow.XonXoffOut());

    flow.SetFlowControl(TFlowControl::fcNone);
    EXPECT_EQ(flow.FlowControl(), TFlowControl::fcNone);
    EXPECT_FALSE(flow.XonXoffOut());
}

TEST(Buffer, OddSizesAreStoredOneLess) {
    TComBuffer buffer;
    buffer.SetInputSize(1001);
    buffer.SetOutputSize(4097);
    EXPECT_EQ(buffer.InputSize(), 1000);
    EXPECT_EQ(buffer.OutputSize(), 4096);
    buffer.SetInputSize(-3);
    EXPECT_EQ(buffer.InputSize(), -4);
}

TEST(SettingsGroups, AssignCopiesEveryStoredProperty) {
    TComParity parity;
    parity.SetBits(TParityBits::prMark);
    parity.SetCheck(true);
    parity.SetReplace(true);
    parity.SetReplaceChar('?');
    TComParity parityCopy;
    parityCopy.Assign(parity);
    EXPECT_EQ(parityCopy.Bits(), TParityBits::prMark);
    EXPECT_TRUE(parityCopy.Check());
    EXPECT_TRUE(parityCopy.Replace());
    EXPECT_EQ(parityCopy.ReplaceChar(), '?');

    TComFlowControl flow;
    flow.SetOutCTSFlow(true);
    flow.SetOutDSRFlow(true);
    flow.SetControlDTR(TDTRFlowControl::dtrEnable);
    flow.SetControlRTS(TRTSFlowControl::rtsToggle);
    flow.SetXonXoffOut(true);
    flow.SetXonXoffIn(true);
    flow.SetDSRSensitivity(true);
    flow.SetTxContinueOnXoff(true);
    flow.SetXonChar('a');
    flow.SetXoffChar('b');
    TComFlowControl flowCopy;
    flowCopy.Assign(flow);
    EXPECT_TRUE(flowCopy.OutCTSFlow());
    EXPECT_TRUE(flowCopy.OutDSRFlow());
    EXPECT_EQ(flowCopy.ControlDTR(), TDTRFlowControl::dtrEnable);
    EXPECT_EQ(flowCopy.ControlRTS(), TRTSFlowControl::rtsToggle);
    EXPECT_TRUE(flowCopy.XonXoffOut());
    EXPECT_TRUE(flowCopy.XonXoffIn());
    EXPECT_TRUE(flowCopy.DSRSensitivity());
    EXPECT_TRUE(flowCopy.TxContinueOnXoff());
    EXPECT_EQ(flowCopy.XonChar(), 'a');
    EXPECT_EQ(flowCopy.XoffChar(), 'b');

    TComTimeouts timeouts;
    timeouts.SetReadInterval(1);
    timeouts.SetReadTotalMultiplier(2);
    timeouts.SetReadTotalConstant(3);
    timeouts.SetWriteTotalMultiplier(4);
    timeouts.SetWriteTotalConstant(5);
    TComTimeouts timeoutsCopy;
    timeoutsCopy.Assign(timeouts);
    EXPECT_EQ(timeoutsCopy.ReadInterval(), 1);
    EXPECT_EQ(timeoutsCopy.ReadTotalMultiplier(), 2);
    EXPECT_EQ(timeoutsCopy.ReadTotalConstant(), 3);
    EXPECT_EQ(timeoutsCopy.WriteTotalMultiplier(), 4);
    EXPECT_EQ(timeoutsCopy.WriteTotalConstant(), 5);

    TComBuffer buffer;
    buffer.SetInputSize(64);
    buffer.SetOutputSize(128);
    TComBuffer bufferCopy;
    bufferCopy.Assign(buffer);
    EXPECT_EQ(bufferCopy.InputSize(), 64);
    EXPECT_EQ(bufferCopy.OutputSize(), 128);
}

// An open port on the in-memory device, without an event thread.
class OpenPort : public ::testing::Test {
protected:
    void SetUp() override {
        port.SetEvents({});
        port.Open();
        port.device->clearCalls();
    }

    FakeComPort port;
};

TEST_F(OpenPort, EachChangeReachesTheDriverThroughItsApply) {
    struct Case {
        const char* name;
        std::function<void(TComPort&)> change;
        const char* call;
    };
    const Case cases[] = {
        {"BaudRate", [](TComPort& p) { p.SetBaudRate(TBaudRate::br19200); }, "setState"},
        {"CustomBaudRate", [](TComPort& p) { p.SetCustomBaudRate(500); }, "setState"},
        {"DataBits", [](TComPort& p) { p.SetDataBits(TDataBits::dbSeven); }, "setState"},
        {"StopBits", [](TComPort& p) { p.SetStopBits(TStopBits::sbTwoStopBits); }, "setState"},
        {"DiscardNull", [](TComPort& p) { p.SetDiscardNull(true); }, "setState"},
        {"EventChar", [](TComPort& p) { p.SetEventChar('\r'); }, "setState"},
        {"Parity.Bits", [](TComPort& p) { p.Parity().SetBits(TParityBits::prEven); }, "setState"},
        {"Parity.Check", [](TComPort& p) { p.Parity().SetCheck(true); }, "setState"},
        {"Parity.Replace", [](TComPort& p) { p.Parity().SetReplace(true); }, "setState"},
        {"Parity.ReplaceChar", [](TComPort& p) { p.Parity().SetReplaceChar('x'); }, "setState"},
        {"Flow.OutCTSFlow", [](TComPort& p) { p.FlowControl().SetOutCTSFlow(true); }, "setState"},
        {"Flow.XonChar", [](TComPort& p) { p.FlowControl().SetXonChar('q'); }, "setState"},
        {"Flow.ControlDTR",
         [](TComPort& p) { p.FlowControl().SetControlDTR(TDTRFlowControl::dtrEnable); },
         "setState"},
        {"Timeouts.ReadInterval", [](TComPort& p) { p.Timeouts().SetReadInterval(5); },
         "setTimeouts"},
        {"Timeouts.WriteTotalConstant", [](TComPort& p) { p.Timeouts().SetWriteTotalConstant(7); },
         "setTimeouts"},
        {"Buffer.InputSize", [](TComPort& p) { p.Buffer().SetInputSize(2048); }, "setupQueues"},
        {"Buffer.OutputSize", [](TComPort& p) { p.Buffer().SetOutputSize(2048); }, "setupQueues"},
    };
    for (const Case& c : cases) {
        port.device->clearCalls();
        c.change(port);
        EXPECT_EQ(port.device->calls(), std::vector<std::string>{c.call}) << c.name;
        // The same value again is no change.
        port.device->clearCalls();
        c.change(port);
        EXPECT_TRUE(port.device->calls().empty()) << c.name;
    }
}

TEST_F(OpenPort, WholeGroupsAndTheFlowSummaryApplyEvenUnchanged) {
    const std::pair<std::function<void(TComPort&)>, const char*> cases[] = {
        {[](TComPort& p) { p.FlowControl().SetFlowControl(TFlowControl::fcNone); }, "setState"},
        {[](TComPort& p) { p.FlowControl().SetFlowControl(TFlowControl::fcCustom); }, "setState"},
        {[](TComPort& p) { p.Parity().Assign(TComParity{}); }, "setState"},
        {[](TComPort& p) { p.FlowControl().Assign(TComFlowControl{}); }, "setState"},
        {[](TComPort& p) { p.Timeouts().Assign(TComTimeouts{}); }, "setTimeouts"},
        {[](TComPort& p) { p.Buffer().Assign(TComBuffer{}); }, "setupQueues"},
    };
    for (const auto& [change, call] : cases) {
        port.device->clearCalls();
        change(port);
        EXPECT_EQ(port.device->calls(), std::vector<std::string>{call});
    }
}

TEST_F(OpenPort, EventsAndHandlerChoicesWaitForTheNextOpen) {
    port.SetEvents({TComEvent::evRxChar});
    port.SetTriggersOnRxChar(false);
    port.SetCodePage(1252);
    EXPECT_TRUE(port.device->calls().empty());
}

TEST_F(OpenPort, SyncMethodAndPriorityCannotChangeWhileOpen) {
    try {
        port.SetSyncMethod(TSyncMethod::smNone);
        FAIL();
    } catch (const EComPort& error) {
        EXPECT_EQ(error.Code(), 14);
        EXPECT_EQ(error.WinCode(), -1);
        EXPECT_STREQ(error.what(), "Cannot set property while connected");
    }
    EXPECT_EQ(port.SyncMethod(), TSyncMethod::smThreadSync);
    EXPECT_THROW(port.SetEventThreadPriority(ThreadPriority::highest), EComPort);
    EXPECT_EQ(port.EventThreadPriority(), ThreadPriority::normal);

    port.Close();
    port.SetSyncMethod(TSyncMethod::smNone);
    port.SetEventThreadPriority(ThreadPriority::lower);
    EXPECT_EQ(port.SyncMethod(), TSyncMethod::smNone);
    EXPECT_EQ(port.EventThreadPriority(), ThreadPriority::lower);
}

TEST_F(OpenPort, PortNameReopensOnlyWhenItDiffers) {
    port.SetPort("COM1");
    EXPECT_EQ(port.opens, 1);
    port.SetPort("com1");
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(port.device->count("close"), 1u);
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(port.Port(), "com1");
}

TEST_F(OpenPort, UpdatesAreHeldUntilTheLastEndUpdate) {
    port.BeginUpdate();
    port.BeginUpdate();
    port.SetBaudRate(TBaudRate::br115200);
    port.Timeouts().SetReadTotalConstant(50);
    port.Buffer().SetInputSize(4096);
    port.EndUpdate();
    EXPECT_TRUE(port.device->calls().empty());
    port.EndUpdate();
    EXPECT_EQ(port.device->calls(),
              (std::vector<std::string>{"setupQueues", "setState", "setTimeouts"}));
    EXPECT_EQ(port.device->lastDcb().BaudRate, 115200u);

    port.device->clearCalls();
    port.EndUpdate();
    EXPECT_TRUE(port.device->calls().empty());
    port.SetDataBits(TDataBits::dbSix);
    EXPECT_EQ(port.device->count("setState"), 1u);
}

TEST_F(OpenPort, AFailingApplyKeepsTheValueAndThePortOpen) {
    const std::tuple<const char*, std::function<void(TComPort&)>, int, const char*> cases[] = {
        {"setState", [](TComPort& p) { p.SetBaudRate(TBaudRate::brCustom); }, 7,
         "SetCommState function failed (Error: 22)"},
        {"setTimeouts", [](TComPort& p) { p.Timeouts().SetReadInterval(0); }, 8,
         "SetCommTimeouts failed (Error: 22)"},
        {"setupQueues", [](TComPort& p) { p.Buffer().SetOutputSize(10); }, 9,
         "SetupComm function failed (Error: 22)"},
    };
    for (const auto& [call, change, code, text] : cases) {
        port.device->failOn(call, 22);
        try {
            change(port);
            ADD_FAILURE() << call;
        } catch (const EComPort& error) {
            EXPECT_EQ(error.Code(), code);
            EXPECT_EQ(error.WinCode(), 22);
            EXPECT_STREQ(error.what(), text);
        }
        EXPECT_TRUE(port.Connected());
    }
    EXPECT_EQ(port.BaudRate(), TBaudRate::brCustom);
    EXPECT_EQ(port.Timeouts().ReadInterval(), 0);
    EXPECT_EQ(port.Buffer().OutputSize(), 10);
}

TEST(ClosedPort, ChangesAreStoredAndAppliedAtOpenInOrder) {
    FakeComPort port;
    port.SetEvents({});
    port.SetBaudRate(TBaudRate::br2400);
    port.Buffer().SetInputSize(100);
    port.Timeouts().SetReadTotalConstant(9);
    EXPECT_TRUE(port.device->calls().empty());

    port.Open();
    const auto calls = port.device->calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
              (std::vector<std::string>{"setupQueues", "setState", "setTimeouts"}));
    EXPECT_EQ(port.device->lastDcb().BaudRate, 2400u);
    EXPECT_EQ(port.device->lastQueues(), (std::pair<std::uint32_t, std::uint32_t>{100, 1024}));
    EXPECT_EQ(port.device->lastTimeouts().ReadTotalTimeoutConstant, 9u);
}

TEST(ClosedPort, TimeoutsReachTheDriverWithMinusOneAsAllBitsSet) {
    FakeComPort port;
    port.SetEvents({});
    port.Open();
    const platform::COMMTIMEOUTS t = port.device->lastTimeouts();
    EXPECT_EQ(t.ReadIntervalTimeout, 0xFFFFFFFFu);
    EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(t.ReadTotalTimeoutConstant, 0u);
    EXPECT_EQ(t.WriteTotalTimeoutMultiplier, 100u);
    EXPECT_EQ(t.WriteTotalTimeoutConstant, 1000u);
}

} // namespace
} // namespace vezu::serial::test
