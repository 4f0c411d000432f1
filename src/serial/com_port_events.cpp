#include <vector>

#include "serial/custom_com_port.hpp"
#include "serial/platform/comm_types.hpp"

namespace vezu::serial {

using namespace platform;

void TCustomComPort::CallError() {
    const TComErrors errors = LastErrors();
    if (!errors.empty())
        DoError(errors);
}

void TCustomComPort::CallRxChar() {
    const std::int32_t count = InputCount();
    if (count == 0)
        return;
    if (triggersOnRxChar_) {
        DoRxChar(count);
        return;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    // The handler gets what was read, which may be less than was announced.
    const std::int32_t read = Read(bytes.data(), count);
    if (read > 0)
        DoRxBuf(bytes.data(), read);
}

void TCustomComPort::CallDeviceLost() {
    try {
        if (events_.contains(TComEvent::evRxChar))
            CallRxChar();
    } catch (...) {
        deviceLost_ = true;
        throw;
    }
    deviceLost_ = true;
    if (connected_)
        DoDeviceLost();
}

void TCustomComPort::CallTxEmpty() {
    DoTxEmpty();
}
void TCustomComPort::CallBreak() {
    DoBreak();
}
void TCustomComPort::CallRing() {
    DoRing();
}
void TCustomComPort::CallRxFlag() {
    DoRxFlag();
}
void TCustomComPort::CallRx80Full() {
    DoRx80Full();
}
void TCustomComPort::CallCTSChange() {
    DoCTSChange(Signals().contains(TComSignal::csCTS));
}
void TCustomComPort::CallDSRChange() {
    DoDSRChange(Signals().contains(TComSignal::csDSR));
}
void TCustomComPort::CallRLSDChange() {
    DoRLSDChange(Signals().contains(TComSignal::csRLSD));
}

void TCustomComPort::WindowMethod(std::uint32_t eventBit) {
    if (!connected_)
        return;
    switch (eventBit) {
    case EV_RXCHAR:
        CallRxChar();
        break;
    case EV_RXFLAG:
        CallRxFlag();
        break;
    case EV_TXEMPTY:
        CallTxEmpty();
        break;
    case EV_CTS:
        CallCTSChange();
        break;
    case EV_DSR:
        CallDSRChange();
        break;
    case EV_RLSD:
        CallRLSDChange();
        break;
    case EV_BREAK:
        CallBreak();
        break;
    case EV_ERR:
        CallError();
        break;
    case EV_RING:
        CallRing();
        break;
    case EV_RX80FULL:
        CallRx80Full();
        break;
    default:
        break;
    }
}

void TCustomComPort::DoRxChar(std::int32_t Count) {
    if (OnRxChar)
        OnRxChar(*this, Count);
}

void TCustomComPort::DoRxBuf(const std::uint8_t* Buffer, std::int32_t Count) {
    if (OnRxBuf)
        OnRxBuf(*this, Buffer, Count);
}

void TCustomComPort::DoTxEmpty() {
    if (OnTxEmpty)
        OnTxEmpty(*this);
}

void TCustomComPort::DoBreak() {
    if (OnBreak)
        OnBreak(*this);
}

void TCustomComPort::DoRing() {
    if (OnRing)
        OnRing(*this);
}

void TCustomComPort::DoRxFlag() {
    if (OnRxFlag)
        OnRxFlag(*this);
}

void TCustomComPort::DoCTSChange(bool OnOff) {
    if (OnCTSChange)
        OnCTSChange(*this, OnOff);
}

void TCustomComPort::DoDSRChange(bool OnOff) {
    if (OnDSRChange)
        OnDSRChange(*this, OnOff);
}

void TCustomComPort::DoError(TComErrors Errors) {
    if (OnError)
        OnError(*this, Errors);
}

void TCustomComPort::DoRLSDChange(bool OnOff) {
    if (OnRLSDChange)
        OnRLSDChange(*this, OnOff);
}

void TCustomComPort::DoDeviceLost() {
    if (OnDeviceLost)
        OnDeviceLost(*this);
}

void TCustomComPort::DoRx80Full() {
    if (OnRx80Full)
        OnRx80Full(*this);
}

} // namespace vezu::serial
