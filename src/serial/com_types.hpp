#pragma once

#include "serial/enum_set.hpp"

namespace vezu::serial {

// Ordinals follow the declared order; driver values come from driver_values.hpp.

enum class TBaudRate {
    brCustom,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};

enum class TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum class TDataBits { dbFive, dbSix, dbSeven, dbEight };
enum class TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum class TDTRFlowControl { dtrDisable, dtrEnable, dtrHandshake };
enum class TRTSFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };
enum class TFlowControl { fcHardware, fcSoftware, fcNone, fcCustom };
enum class TSyncMethod { smThreadSync, smWindowSync, smNone };
enum class TOperationKind { okWrite, okRead };

enum class ThreadPriority { idle, lowest, lower, normal, higher, highest, timeCritical };

enum class TComEvent {
    evRxChar,
    evTxEmpty,
    evRxFlag,
    evRing,
    evBreak,
    evCTS,
    evDSR,
    evError,
    evRLSD,
    evRx80Full
};
using TComEvents = EnumSet<TComEvent, 10>;

enum class TComSignal { csCTS, csDSR, csRing, csRLSD };
using TComSignals = EnumSet<TComSignal, 4>;

enum class TComError { ceFrame, ceRxParity, ceOverrun, ceBreak, ceIO, ceMode, ceRxOver, ceTxFull };
using TComErrors = EnumSet<TComError, 8>;

enum class TComStateFlag { fCtlHold, fDsrHold, fRlsHold, fXoffHold, fXOffSent, fEof, fTxim };
using TComStateFlags = EnumSet<TComStateFlag, 7>;

} // namespace vezu::serial
