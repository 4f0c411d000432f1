#include <gtest/gtest.h>

#include "serial/driver_values.hpp"

namespace vezu::serial {
namespace {

TEST(DriverValues, EachEventHasItsMaskBit) {
    const std::pair<TComEvent, std::uint32_t> table[] = {
        {TComEvent::evRxChar, 0x0001}, {TComEvent::evTxEmpty, 0x0004},
        {TComEvent::evRxFlag, 0x0002}, {TComEvent::evRing, 0x0100},
        {TComEvent::evBreak, 0x0040},  {TComEvent::evCTS, 0x0008},
        {TComEvent::evDSR, 0x0010},    {TComEvent::evError, 0x0080},
        {TComEvent::evRLSD, 0x0020},   {TComEvent::evRx80Full, 0x0400},
    };
    for (const auto& [event, bit] : table) {
        EXPECT_EQ(EventsToInt({event}), bit);
        EXPECT_EQ(IntToEvents(bit), TComEvents{event});
    }
}

TEST(DriverValues, EventSetsConvertBothWays) {
    EXPECT_EQ(EventsToInt(TComEvents::all()), 0x05FFu);
    EXPECT_EQ(EventsToInt({}), 0u);
    EXPECT_EQ(IntToEvents(0x05FF), TComEvents::all());
    // Bits outside the ten events are dropped.
    EXPECT_EQ(IntToEvents(0xFA00), TComEvents{});
    EXPECT_EQ(IntToEvents(0x0201 | 0x0080), (TComEvents{TComEvent::evRxChar, TComEvent::evError}));
}

TEST(DriverValues, BaudRatesAreTheNumbersOfTheirNames) {
    const std::pair<TBaudRate, std::uint32_t> table[] = {
        {TBaudRate::br110, 110},       {TBaudRate::br300, 300},       {TBaudRate::br600, 600},
        {TBaudRate::br1200, 1200},     {TBaudRate::br2400, 2400},     {TBaudRate::br4800, 4800},
        {TBaudRate::br9600, 9600},     {TBaudRate::br14400, 14400},   {TBaudRate::br19200, 19200},
        {TBaudRate::br38400, 38400},   {TBaudRate::br56000, 56000},   {TBaudRate::br57600, 57600},
        {TBaudRate::br115200, 115200}, {TBaudRate::br128000, 128000}, {TBaudRate::br256000, 256000},
    };
    for (const auto& [rate, bits] : table)
        EXPECT_EQ(baudRateValue(rate), bits);
}

TEST(DriverValues, ModemStatusBecomesSignals) {
    EXPECT_EQ(signalsFromModemStatus(0x10), TComSignals{TComSignal::csCTS});
    EXPECT_EQ(signalsFromModemStatus(0x20), TComSignals{TComSignal::csDSR});
    EXPECT_EQ(signalsFromModemStatus(0x40), TComSignals{TComSignal::csRing});
    EXPECT_EQ(signalsFromModemStatus(0x80), TComSignals{TComSignal::csRLSD});
    EXPECT_EQ(signalsFromModemStatus(0x0F), TComSignals{});
}

TEST(DriverValues, LineErrorsBecomeErrorsWithParityOnlyWhenChecked) {
    const std::pair<std::uint32_t, TComError> table[] = {
        {0x0008, TComError::ceFrame},   {0x0004, TComError::ceRxParity},
        {0x0002, TComError::ceOverrun}, {0x0010, TComError::ceBreak},
        {0x0400, TComError::ceIO},      {0x8000, TComError::ceMode},
        {0x0001, TComError::ceRxOver},  {0x0100, TComError::ceTxFull},
    };
    for (const auto& [bit, error] : table)
        EXPECT_EQ(errorsFromLineErrors(bit, true), TComErrors{error});
    EXPECT_EQ(errorsFromLineErrors(0x0004 | 0x0008, false), TComErrors{TComError::ceFrame});
}

TEST(DriverValues, HoldFlagsBecomeStateFlags) {
    const std::pair<std::uint32_t, TComStateFlag> table[] = {
        {0x01, TComStateFlag::fCtlHold},  {0x02, TComStateFlag::fDsrHold},
        {0x04, TComStateFlag::fRlsHold},  {0x08, TComStateFlag::fXoffHold},
        {0x10, TComStateFlag::fXOffSent}, {0x20, TComStateFlag::fEof},
        {0x40, TComStateFlag::fTxim},
    };
    for (const auto& [bit, flag] : table)
        EXPECT_EQ(stateFlagsFromComStat(bit), TComStateFlags{flag});
    EXPECT_EQ(stateFlagsFromComStat(0x80), TComStateFlags{});
}

} // namespace
} // namespace vezu::serial
