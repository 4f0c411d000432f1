#include "serial/custom_com_port.hpp"

#include <algorithm>

#include "serial/com_error.hpp"
#include "serial/com_thread.hpp"
#include "serial/driver_values.hpp"
#include "serial/store_changed.hpp"

namespace vezu::serial {

using namespace platform;

TCustomComPort::TCustomComPort() = default;

TCustomComPort::~TCustomComPort() {
    forceClosed();
}

void TCustomComPort::check(int error, std::int32_t code) const {
    if (error != 0)
        throw EComPort(code, error);
}

bool TCustomComPort::canApply() const {
    return connected_ && updateCount_ == 0 && handle_;
}

void TCustomComPort::SetConnected(bool value) {
    if (value == connected_)
        return;
    if (value)
        Open();
    else
        Close();
}

void TCustomComPort::SetPort(const std::string& value) {
    if (!storeChanged(port_, value) || !connected_)
        return;
    Close();
    Open();
}

void TCustomComPort::SetBaudRate(TBaudRate value) {
    if (storeChanged(baudRate_, value))
        ApplyDCB();
}

void TCustomComPort::SetCustomBaudRate(std::int32_t value) {
    if (storeChanged(customBaudRate_, value))
        ApplyDCB();
}

void TCustomComPort::SetDataBits(TDataBits value) {
    if (storeChanged(dataBits_, value))
        ApplyDCB();
}

void TCustomComPort::SetStopBits(TStopBits value) {
    if (storeChanged(stopBits_, value))
        ApplyDCB();
}

void TCustomComPort::SetDiscardNull(bool value) {
    if (storeChanged(discardNull_, value))
        ApplyDCB();
}

void TCustomComPort::SetEventChar(char value) {
    if (storeChanged(eventChar_, value))
        ApplyDCB();
}

void TCustomComPort::SetSyncMethod(TSyncMethod value) {
    if (connected_)
        throw EComPort::CreateNoWinCode(kConnChangeProp);
    syncMethod_ = value;
}

void TCustomComPort::SetEventThreadPriority(ThreadPriority value) {
    if (connected_)
        throw EComPort::CreateNoWinCode(kConnChangeProp);
    eventThreadPriority_ = value;
}

void TCustomComPort::BeginUpdate() {
    ++updateCount_;
}

void TCustomComPort::EndUpdate() {
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        SetupComPort();
}

void TCustomComPort::SetupComPort() {
    ApplyBuffer();
    ApplyDCB();
    ApplyTimeouts();
}

void TCustomComPort::ApplyDCB() {
    if (!canApply())
        return;
    const TComFlowControl& flow = flowControl_;
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = baudRate_ == TBaudRate::brCustom ? static_cast<std::uint32_t>(customBaudRate_)
                                                    : baudRateValue(baudRate_);
    dcb.Flags = kDcbBinary;
    if (parity_.Check())
        dcb.Flags |= kDcbParity;
    if (flow.OutCTSFlow())
        dcb.Flags |= kDcbOutxCtsFlow;
    if (flow.OutDSRFlow())
        dcb.Flags |= kDcbOutxDsrFlow;
    dcb.Flags |= static_cast<std::uint32_t>(flow.ControlDTR()) << kDcbDtrControlShift;
    if (flow.DSRSensitivity())
        dcb.Flags |= kDcbDsrSensitivity;
    if (flow.TxContinueOnXoff())
        dcb.Flags |= kDcbTxContinueOnXoff;
    if (flow.XonXoffOut())
        dcb.Flags |= kDcbOutX;
    if (flow.XonXoffIn())
        dcb.Flags |= kDcbInX;
    const bool replace = parity_.Check() && parity_.Replace();
    if (replace)
        dcb.Flags |= kDcbErrorChar;
    if (discardNull_)
        dcb.Flags |= kDcbNull;
    dcb.Flags |= static_cast<std::uint32_t>(flow.ControlRTS()) << kDcbRtsControlShift;

    // The limits are 16-bit: a queue beyond 256 KiB must not wrap them around.
    const auto limit = static_cast<std::uint16_t>(std::clamp(buffer_.InputSize() / 4, 0, 0xFFFF));
    dcb.XonLim = limit;
    dcb.XoffLim = limit;
    dcb.ByteSize = static_cast<std::uint8_t>(5 + static_cast<int>(dataBits_));
    dcb.Parity = static_cast<std::uint8_t>(parity_.Bits());
    dcb.StopBits = static_cast<std::uint8_t>(stopBits_);
    dcb.XonChar = flow.XonChar();
    dcb.XoffChar = flow.XoffChar();
    dcb.ErrorChar = replace ? parity_.ReplaceChar() : 0;
    dcb.EvtChar = eventChar_;
    check(handle_->setState(dcb), kSetStateFailed);
}

void TCustomComPort::ApplyTimeouts() {
    if (!canApply())
        return;
    const COMMTIMEOUTS timeouts{static_cast<std::uint32_t>(timeouts_.ReadInterval()),
                                static_cast<std::uint32_t>(timeouts_.ReadTotalMultiplier()),
                                static_cast<std::uint32_t>(timeouts_.ReadTotalConstant()),
                                static_cast<std::uint32_t>(timeouts_.WriteTotalMultiplier()),
                                static_cast<std::uint32_t>(timeouts_.WriteTotalConstant())};
    check(handle_->setTimeouts(timeouts), kSetTimeoutsFailed);
}

void TCustomComPort::ApplyBuffer() {
    if (!canApply())
        return;
    check(handle_->setupQueues(static_cast<std::uint32_t>(buffer_.InputSize()),
                               static_cast<std::uint32_t>(buffer_.OutputSize())),
          kSetupComFailed);
}

} // namespace vezu::serial
