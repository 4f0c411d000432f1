#pragma once

#include "serial/com_types.hpp"

namespace vezu::serial {

class TCustomComPort;

// Handshake settings; a change reaches an open port through its ApplyDCB.
class TComFlowControl {
public:
    explicit TComFlowControl(TCustomComPort* port = nullptr) : port_(port) {}
    TComFlowControl(const TComFlowControl&) = delete;
    TComFlowControl& operator=(const TComFlowControl&) = delete;

    bool OutCTSFlow() const { return outCTSFlow_; }
    bool OutDSRFlow() const { return outDSRFlow_; }
    TDTRFlowControl ControlDTR() const { return controlDTR_; }
    TRTSFlowControl ControlRTS() const { return controlRTS_; }
    bool XonXoffOut() const { return xonXoffOut_; }
    bool XonXoffIn() const { return xonXoffIn_; }
    bool DSRSensitivity() const { return dsrSensitivity_; }
    bool TxContinueOnXoff() const { return txContinueOnXoff_; }
    char XonChar() const { return xonChar_; }
    char XoffChar() const { return xoffChar_; }

    void SetOutCTSFlow(bool value);
    void SetOutDSRFlow(bool value);
    void SetControlDTR(TDTRFlowControl value);
    void SetControlRTS(TRTSFlowControl value);
    void SetXonXoffOut(bool value);
    void SetXonXoffIn(bool value);
    void SetDSRSensitivity(bool value);
    void SetTxContinueOnXoff(bool value);
    void SetXonChar(char value);
    void SetXoffChar(char value);

    // A summary of ControlRTS, OutCTSFlow and the XON/XOFF switches.
    TFlowControl FlowControl() const;
    // Re-applies even when nothing changed.
    void SetFlowControl(TFlowControl value);

    // Copies every stored property; the port re-applies even when nothing changed.
    void Assign(const TComFlowControl& source) { source.AssignTo(*this); }
    void AssignTo(TComFlowControl& target) const;

private:
    template <typename T> void set(T& field, const T& value);
    void changed();

    TCustomComPort* port_;
    bool outCTSFlow_ = false;
    bool outDSRFlow_ = false;
    TDTRFlowControl controlDTR_ = TDTRFlowControl::dtrDisable;
    TRTSFlowControl controlRTS_ = TRTSFlowControl::rtsDisable;
    bool xonXoffOut_ = false;
    bool xonXoffIn_ = false;
    bool dsrSensitivity_ = false;
    bool txContinueOnXoff_ = false;
    char xonChar_ = 0x11;
    char xoffChar_ = 0x13;
};

} // namespace vezu::serial
