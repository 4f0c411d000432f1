#include "serial/com_flow_control.hpp"

#include "serial/custom_com_port.hpp"
#include "serial/store_changed.hpp"

namespace vezu::serial {

template <typename T> void TComFlowControl::set(T& field, const T& value) {
    if (storeChanged(field, value))
        changed();
}

void TComFlowControl::SetOutCTSFlow(bool value) {
    set(outCTSFlow_, value);
}
void TComFlowControl::SetOutDSRFlow(bool value) {
    set(outDSRFlow_, value);
}
void TComFlowControl::SetControlDTR(TDTRFlowControl value) {
    set(controlDTR_, value);
}
void TComFlowControl::SetControlRTS(TRTSFlowControl value) {
    set(controlRTS_, value);
}
void TComFlowControl::SetXonXoffOut(bool value) {
    set(xonXoffOut_, value);
}
void TComFlowControl::SetXonXoffIn(bool value) {
    set(xonXoffIn_, value);
}
void TComFlowControl::SetDSRSensitivity(bool value) {
    set(dsrSensitivity_, value);
}
void TComFlowControl::SetTxContinueOnXoff(bool value) {
    set(txContinueOnXoff_, value);
}
void TComFlowControl::SetXonChar(char value) {
    set(xonChar_, value);
}
void TComFlowControl::SetXoffChar(char value) {
    set(xoffChar_, value);
}

TFlowControl TComFlowControl::FlowControl() const {
    const bool xonXoff = xonXoffIn_ || xonXoffOut_;
    if (controlRTS_ == TRTSFlowControl::rtsHandshake && outCTSFlow_ && !xonXoff)
        return TFlowControl::fcHardware;
    if (controlRTS_ == TRTSFlowControl::rtsDisable && !outCTSFlow_ && xonXoffIn_ && xonXoffOut_)
        return TFlowControl::fcSoftware;
    if (controlRTS_ == TRTSFlowControl::rtsDisable && !outCTSFlow_ && !xonXoff)
        return TFlowControl::fcNone;
    return TFlowControl::fcCustom;
}

void TComFlowControl::SetFlowControl(TFlowControl value) {
    if (value != TFlowControl::fcCustom) {
        controlRTS_ = TRTSFlowControl::rtsDisable;
        outCTSFlow_ = false;
        xonXoffIn_ = false;
        xonXoffOut_ = false;
    }
    if (value == TFlowControl::fcHardware) {
        controlRTS_ = TRTSFlowControl::rtsHandshake;
        outCTSFlow_ = true;
    } else if (value == TFlowControl::fcSoftware) {
        xonXoffIn_ = true;
        xonXoffOut_ = true;
    }
    changed();
}

void TComFlowControl::AssignTo(TComFlowControl& target) const {
    target.outCTSFlow_ = outCTSFlow_;
    target.outDSRFlow_ = outDSRFlow_;
    target.controlDTR_ = controlDTR_;
    target.controlRTS_ = controlRTS_;
    target.xonXoffOut_ = xonXoffOut_;
    target.xonXoffIn_ = xonXoffIn_;
    target.dsrSensitivity_ = dsrSensitivity_;
    target.txContinueOnXoff_ = txContinueOnXoff_;
    target.xonChar_ = xonChar_;
    target.xoffChar_ = xoffChar_;
    target.changed();
}

void TComFlowControl::changed() {
    if (port_)
        port_->ApplyDCB();
}

} // namespace vezu::serial
