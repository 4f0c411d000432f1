#pragma once

#include <cstdint>

namespace vezu::serial {

class TCustomComPort;

// Sizes of the driver's receive and transmit queues, always even.
// A change reaches an open port through its ApplyBuffer.
class TComBuffer {
public:
    explicit TComBuffer(TCustomComPort* port = nullptr) : port_(port) {}
    TComBuffer(const TComBuffer&) = delete;
    TComBuffer& operator=(const TComBuffer&) = delete;

    std::int32_t InputSize() const { return inputSize_; }
    std::int32_t OutputSize() const { return outputSize_; }

    // An odd size is stored one less.
    void SetInputSize(std::int32_t value);
    void SetOutputSize(std::int32_t value);

    void Assign(const TComBuffer& source) { source.AssignTo(*this); }
    void AssignTo(TComBuffer& target) const;

private:
    void set(std::int32_t& field, std::int32_t value);
    void changed();

    TCustomComPort* port_;
    std::int32_t inputSize_ = 1024;
    std::int32_t outputSize_ = 1024;
};

} // namespace vezu::serial
