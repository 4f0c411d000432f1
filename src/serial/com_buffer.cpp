#include "serial/com_buffer.hpp"

#include "serial/custom_com_port.hpp"
#include "serial/store_changed.hpp"

namespace vezu::serial {

void TComBuffer::set(std::int32_t& field, std::int32_t value) {
    const std::int32_t even = value & ~std::int32_t{1};
    if (storeChanged(field, even))
        changed();
}

void TComBuffer::SetInputSize(std::int32_t value) {
    set(inputSize_, value);
}
void TComBuffer::SetOutputSize(std::int32_t value) {
    set(outputSize_, value);
}

void TComBuffer::AssignTo(TComBuffer& target) const {
    target.inputSize_ = inputSize_;
    target.outputSize_ = outputSize_;
    target.changed();
}

void TComBuffer::changed() {
    if (port_)
        port_->ApplyBuffer();
}

} // namespace vezu::serial
