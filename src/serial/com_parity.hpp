#pragma once

#include "serial/com_types.hpp"

namespace vezu::serial {

class TCustomComPort;

// Parity settings; a change reaches an open port through its ApplyDCB.
class TComParity {
public:
    explicit TComParity(TCustomComPort* port = nullptr) : port_(port) {}
    TComParity(const TComParity&) = delete;
    TComParity& operator=(const TComParity&) = delete;

    TParityBits Bits() const { return bits_; }
    bool Check() const { return check_; }
    bool Replace() const { return replace_; }
    char ReplaceChar() const { return replaceChar_; }

    void SetBits(TParityBits value);
    void SetCheck(bool value);
    void SetReplace(bool value);
    void SetReplaceChar(char value);

    // Copies every stored property; the port re-applies even when nothing changed.
    void Assign(const TComParity& source) { source.AssignTo(*this); }
    void AssignTo(TComParity& target) const;

private:
    void changed();

    TCustomComPort* port_;
    TParityBits bits_ = TParityBits::prNone;
    bool check_ = false;
    bool replace_ = false;
    char replaceChar_ = 0;
};

} // namespace vezu::serial
