#include "serial/com_timeouts.hpp"

#include "serial/custom_com_port.hpp"
#include "serial/store_changed.hpp"

namespace vezu::serial {

void TComTimeouts::set(std::int32_t& field, std::int32_t value) {
    if (storeChanged(field, value))
        changed();
}

void TComTimeouts::SetReadInterval(std::int32_t value) {
    set(readInterval_, value);
}
void TComTimeouts::SetReadTotalMultiplier(std::int32_t value) {
    set(readTotalMultiplier_, value);
}
void TComTimeouts::SetReadTotalConstant(std::int32_t value) {
    set(readTotalConstant_, value);
}
void TComTimeouts::SetWriteTotalMultiplier(std::int32_t value) {
    set(writeTotalMultiplier_, value);
}
void TComTimeouts::SetWriteTotalConstant(std::int32_t value) {
    set(writeTotalConstant_, value);
}

void TComTimeouts::AssignTo(TComTimeouts& target) const {
    target.readInterval_ = readInterval_;
    target.readTotalMultiplier_ = readTotalMultiplier_;
    target.readTotalConstant_ = readTotalConstant_;
    target.writeTotalMultiplier_ = writeTotalMultiplier_;
    target.writeTotalConstant_ = writeTotalConstant_;
    target.changed();
}

void TComTimeouts::changed() {
    if (port_)
        port_->ApplyTimeouts();
}

} // namespace vezu::serial
