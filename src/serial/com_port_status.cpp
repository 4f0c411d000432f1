#include <cerrno>

#include "serial/com_error.hpp"
#include "serial/custom_com_port.hpp"
#include "serial/driver_values.hpp"

namespace vezu::serial {

using namespace platform;

SerialDevice& TCustomComPort::openDevice(std::int32_t code) const {
    if (!handle_)
        throw EComPort(code, EBADF);
    return *handle_;
}

void TCustomComPort::clearCommError(std::uint32_t& errors, COMSTAT& status) {
    check(openDevice(kClearComFailed).clearError(errors, status), kClearComFailed);
}

std::int32_t TCustomComPort::InputCount() {
    std::uint32_t errors = 0;
    COMSTAT status{};
    clearCommError(errors, status);
    return static_cast<std::int32_t>(status.cbInQue);
}

std::int32_t TCustomComPort::OutputCount() {
    std::uint32_t errors = 0;
    COMSTAT status{};
    clearCommError(errors, status);
    return static_cast<std::int32_t>(status.cbOutQue);
}

TComStateFlags TCustomComPort::StateFlags() {
    std::uint32_t errors = 0;
    COMSTAT status{};
    clearCommError(errors, status);
    return stateFlagsFromComStat(status.Flags);
}

TComErrors TCustomComPort::LastErrors() {
    std::uint32_t errors = 0;
    COMSTAT status{};
    clearCommError(errors, status);
    return errorsFromLineErrors(errors, parity_.Check());
}

TComSignals TCustomComPort::Signals() {
    std::uint32_t status = 0;
    check(openDevice(kModemStatusFailed).modemStatus(status), kModemStatusFailed);
    return signalsFromModemStatus(status);
}

void TCustomComPort::escape(std::uint32_t function) {
    check(openDevice(kEscapeComFailed).escape(function), kEscapeComFailed);
}

void TCustomComPort::SetDTR(bool OnOff) {
    escape(OnOff ? SETDTR : CLRDTR);
}
void TCustomComPort::SetRTS(bool OnOff) {
    escape(OnOff ? SETRTS : CLRRTS);
}
void TCustomComPort::SetXonXoff(bool OnOff) {
    escape(OnOff ? SETXON : SETXOFF);
}
void TCustomComPort::SetBreak(bool OnOff) {
    escape(OnOff ? SETBREAK : CLRBREAK);
}

void TCustomComPort::ClearBuffer(bool Input, bool Output) {
    const std::uint32_t flags = (Input ? PURGE_RXCLEAR : 0) | (Output ? PURGE_TXCLEAR : 0);
    check(openDevice(kPurgeFailed).purge(flags), kPurgeFailed);
}

void TCustomComPort::TransmitChar(char Ch) {
    check(openDevice(kTransmitFailed).transmitChar(Ch), kTransmitFailed);
}

void TCustomComPort::WaitForEvent(TComEvents& Events, StopSignal* StopEvent, std::int32_t Timeout) {
    if (eventThread_ || !retiredThreads_.empty())
        throw EComPort::CreateNoWinCode(kThreadCreated);
    SerialDevice& device = openDevice(kWaitFailed);
    check(device.setEventMask(EventsToInt(Events)), kWaitFailed);
    const WaitResult result = device.waitEvent(StopEvent, Timeout < 0 ? kWaitForever : Timeout);
    device.setEventMask(0);
    if (result.status == WaitStatus::failed || result.status == WaitStatus::hungUp)
        throw EComPort(kWaitFailed, result.error);
    Events = IntToEvents(result.events);
}

} // namespace vezu::serial
