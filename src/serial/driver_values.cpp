#include "serial/driver_values.hpp"

#include <array>
#include <utility>

#include "serial/platform/comm_types.hpp"

namespace vezu::serial {

using namespace platform;

namespace {

constexpr std::array<std::uint32_t, 16> kRates = {0,     110,    300,    600,   1200,  2400,
                                                  4800,  9600,   14400,  19200, 38400, 56000,
                                                  57600, 115200, 128000, 256000};

// In declared order of TComEvent.
constexpr std::array<std::uint32_t, 10> kEventBits = {EV_RXCHAR, EV_TXEMPTY, EV_RXFLAG, EV_RING,
                                                      EV_BREAK,  EV_CTS,     EV_DSR,    EV_ERR,
                                                      EV_RLSD,   EV_RX80FULL};

constexpr std::array<std::pair<TComError, std::uint32_t>, 8> kErrorBits = {{
    {TComError::ceFrame, CE_FRAME},
    {TComError::ceRxParity, CE_RXPARITY},
    {TComError::ceOverrun, CE_OVERRUN},
    {TComError::ceBreak, CE_BREAK},
    {TComError::ceIO, CE_IOE},
    {TComError::ceMode, CE_MODE},
    {TComError::ceRxOver, CE_RXOVER},
    {TComError::ceTxFull, CE_TXFULL},
}};

} // namespace

std::uint32_t baudRateValue(TBaudRate rate) {
    return kRates.at(static_cast<std::size_t>(rate));
}

std::uint32_t eventMaskBit(TComEvent event) {
    return kEventBits.at(static_cast<std::size_t>(event));
}

std::uint32_t EventsToInt(TComEvents events) {
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < kEventBits.size(); ++i)
        if (events.contains(static_cast<TComEvent>(i)))
            mask |= kEventBits[i];
    return mask;
}

TComEvents IntToEvents(std::uint32_t mask) {
    TComEvents events;
    for (std::size_t i = 0; i < kEventBits.size(); ++i)
        if (mask & kEventBits[i])
            events.insert(static_cast<TComEvent>(i));
    return events;
}

TComSignals signalsFromModemStatus(std::uint32_t status) {
    TComSignals signals;
    const std::uint32_t bits = status >> 4;
    for (unsigned i = 0; i < 4; ++i)
        if (bits & (1u << i))
            signals.insert(static_cast<TComSignal>(i));
    return signals;
}

TComErrors errorsFromLineErrors(std::uint32_t lineErrors, bool parityCheck) {
    TComErrors errors;
    for (const auto& [error, bit] : kErrorBits)
        if (lineErrors & bit)
            errors.insert(error);
    if (!parityCheck)
        errors.erase(TComError::ceRxParity);
    return errors;
}

TComStateFlags stateFlagsFromComStat(std::uint32_t flags) {
    constexpr std::array<std::pair<TComStateFlag, std::uint32_t>, 7> kStateBits = {{
        {TComStateFlag::fCtlHold, kComStatCtsHold},
        {TComStateFlag::fDsrHold, kComStatDsrHold},
        {TComStateFlag::fRlsHold, kComStatRlsdHold},
        {TComStateFlag::fXoffHold, kComStatXoffHold},
        {TComStateFlag::fXOffSent, kComStatXoffSent},
        {TComStateFlag::fEof, kComStatEof},
        {TComStateFlag::fTxim, kComStatTxim},
    }};
    TComStateFlags states;
    for (const auto& [state, bit] : kStateBits)
        if (flags & bit)
            states.insert(state);
    return states;
}

} // namespace vezu::serial
