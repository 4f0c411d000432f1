#include "serial/com_parity.hpp"

#include "serial/custom_com_port.hpp"
#include "serial/store_changed.hpp"

namespace vezu::serial {

void TComParity::SetBits(TParityBits value) {
    if (storeChanged(bits_, value))
        changed();
}

void TComParity::SetCheck(bool value) {
    if (storeChanged(check_, value))
        changed();
}

void TComParity::SetReplace(bool value) {
    if (storeChanged(replace_, value))
        changed();
}

void TComParity::SetReplaceChar(char value) {
    if (storeChanged(replaceChar_, value))
        changed();
}

void TComParity::AssignTo(TComParity& target) const {
    target.bits_ = bits_;
    target.check_ = check_;
    target.replace_ = replace_;
    target.replaceChar_ = replaceChar_;
    target.changed();
}

void TComParity::changed() {
    if (port_)
        port_->ApplyDCB();
}

} // namespace vezu::serial
