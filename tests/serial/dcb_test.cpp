#include <functional>
#include <gtest/gtest.h>

#include "fake_com_port.hpp"

namespace vezu::serial::test {
namespace {

using namespace platform;

// The block the driver gets when the port opens with the settings made by prepare.
DCB dcbAfter(const std::function<void(TComPort&)>& prepare) {
    FakeComPort port;
    port.SetEvents({});
    prepare(port);
    port.Open();
    return port.device->lastDcb();
}

TEST(ApplyDCB, TheSystemsInstanceGivesThePlainLine) {
    const DCB dcb = dcbAfter([](TComPort&) {});
    EXPECT_EQ(dcb.DCBlength, 28u);
    EXPECT_EQ(dcb.BaudRate, 9600u);
    EXPECT_EQ(dcb.Flags, 0x0001u);
    EXPECT_EQ(dcb.wReserved, 0);
    EXPECT_EQ(dcb.XonLim, 256);
    EXPECT_EQ(dcb.XoffLim, 256);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, 0);
    EXPECT_EQ(dcb.StopBits, 0);
    EXPECT_EQ(dcb.XonChar, 0x11);
    EXPECT_EQ(dcb.XoffChar, 0x13);
    EXPECT_EQ(dcb.ErrorChar, 0);
    EXPECT_EQ(dcb.EofChar, 0);
    EXPECT_EQ(dcb.EvtChar, 0);
    EXPECT_EQ(dcb.wReserved1, 0);
}

TEST(ApplyDCB, EachSettingSetsItsFlagBits) {
    const std::pair<std::function<void(TComPort&)>, std::uint32_t> cases[] = {
        {[](TComPort& p) { p.Parity().SetCheck(true); }, 0x0002},
        {[](TComPort& p) { p.FlowControl().SetOutCTSFlow(true); }, 0x0004},
        {[](TComPort& p) { p.FlowControl().SetOutDSRFlow(true); }, 0x0008},
        {[](TComPort& p) { p.FlowControl().SetControlDTR(TDTRFlowControl::dtrEnable); }, 0x0010},
        {[](TComPort& p) { p.FlowControl().SetControlDTR(TDTRFlowControl::dtrHandshake); }, 0x0020},
        {[](TComPort& p) { p.FlowControl().SetDSRSensitivity(true); }, 0x0040},
        {[](TComPort& p) { p.FlowControl().SetTxContinueOnXoff(true); }, 0x0080},
        {[](TComPort& p) { p.FlowControl().SetXonXoffOut(true); }, 0x0100},
        {[](TComPort& p) { p.FlowControl().SetXonXoffIn(true); }, 0x0200},
        {[](TComPort& p) { p.SetDiscardNull(true); }, 0x0800},
        {[](TComPort& p) { p.FlowControl().SetControlRTS(TRTSFlowControl::rtsEnable); }, 0x1000},
        {[](TComPort& p) { p.FlowControl().SetControlRTS(TRTSFlowControl::rtsHandshake); }, 0x2000},
        {[](TComPort& p) { p.FlowControl().SetControlRTS(TRTSFlowControl::rtsToggle); }, 0x3000},
        // Replacing needs checking; alone it sets nothing.
        {[](TComPort& p) { p.Parity().SetReplace(true); }, 0},
        {[](TComPort& p) {
             p.Parity().SetCheck(true);
             p.Parity().SetReplace(true);
         },
         0x0402},
    };
    for (const auto& [prepare, bits] : cases)
        EXPECT_EQ(dcbAfter(prepare).Flags, 0x0001u | bits) << std::hex << bits;
}

TEST(ApplyDCB, ErrorCharOnlyWhenReplacing) {
    EXPECT_EQ(dcbAfter([](TComPort& p) { p.Parity().SetReplaceChar('#'); }).ErrorChar, 0);
    EXPECT_EQ(dcbAfter([](TComPort& p) {
                  p.Parity().SetReplaceChar('#');
                  p.Parity().SetCheck(true);
                  p.Parity().SetReplace(true);
              }).ErrorChar,
              '#');
}

TEST(ApplyDCB, LineShapeFields) {
    const DCB dcb = dcbAfter([](TComPort& p) {
        p.SetDataBits(TDataBits::dbFive);
        p.Parity().SetBits(TParityBits::prSpace);
        p.SetStopBits(TStopBits::sbOne5StopBits);
        p.FlowControl().SetXonChar('s');
        p.FlowControl().SetXoffChar('t');
        p.SetEventChar('\n');
    });
    EXPECT_EQ(dcb.ByteSize, 5);
    EXPECT_EQ(dcb.Parity, 4);
    EXPECT_EQ(dcb.StopBits, 1);
    EXPECT_EQ(dcb.XonChar, 's');
    EXPECT_EQ(dcb.XoffChar, 't');
    EXPECT_EQ(dcb.EvtChar, '\n');

    const std::pair<TDataBits, int> sizes[] = {
        {TDataBits::dbSix, 6}, {TDataBits::dbSeven, 7}, {TDataBits::dbEight, 8}};
    for (const auto& [bits, size] : sizes)
        EXPECT_EQ(dcbAfter([bits](TComPort& p) { p.SetDataBits(bits); }).ByteSize, size);
    const std::pair<TParityBits, int> parities[] = {
        {TParityBits::prOdd, 1}, {TParityBits::prEven, 2}, {TParityBits::prMark, 3}};
    for (const auto& [bits, value] : parities)
        EXPECT_EQ(dcbAfter([bits](TComPort& p) { p.Parity().SetBits(bits); }).Parity, value);
    EXPECT_EQ(dcbAfter([](TComPort& p) { p.SetStopBits(TStopBits::sbTwoStopBits); }).StopBits, 2);
}

TEST(ApplyDCB, RatesAndLimits) {
    EXPECT_EQ(dcbAfter([](TComPort& p) {
                  p.SetBaudRate(TBaudRate::brCustom);
                  p.SetCustomBaudRate(500);
              }).BaudRate,
              500u);
    // The custom rate is used only with brCustom.
    EXPECT_EQ(dcbAfter([](TComPort& p) { p.SetCustomBaudRate(500); }).BaudRate, 9600u);
    EXPECT_EQ(dcbAfter([](TComPort& p) { p.SetBaudRate(TBaudRate::br256000); }).BaudRate, 256000u);

    const DCB small = dcbAfter([](TComPort& p) { p.Buffer().SetInputSize(1001); });
    EXPECT_EQ(small.XonLim, 250);
    EXPECT_EQ(small.XoffLim, 250);
    // 16-bit limits: a large queue gives the largest, not a wrapped-around one.
    EXPECT_EQ(dcbAfter([](TComPort& p) { p.Buffer().SetInputSize(1 << 20); }).XonLim, 0xFFFF);
    EXPECT_EQ(dcbAfter([](TComPort& p) { p.Buffer().SetInputSize(-8); }).XoffLim, 0);
}

} // namespace
} // namespace vezu::serial::test
