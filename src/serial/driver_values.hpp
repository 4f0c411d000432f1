#pragma once

#include <cstdint>

#include "serial/com_types.hpp"

namespace vezu::serial {

// Bits per second of a rate; brCustom has none and gives 0.
std::uint32_t baudRateValue(TBaudRate rate);

std::uint32_t EventsToInt(TComEvents events);
// Mask bits outside the ten events are dropped.
TComEvents IntToEvents(std::uint32_t mask);

// The event-mask bit of one event.
std::uint32_t eventMaskBit(TComEvent event);

TComSignals signalsFromModemStatus(std::uint32_t status);
// ceRxParity is only reported while parity checking is on.
TComErrors errorsFromLineErrors(std::uint32_t lineErrors, bool parityCheck);
TComStateFlags stateFlagsFromComStat(std::uint32_t flags);

} // namespace vezu::serial
