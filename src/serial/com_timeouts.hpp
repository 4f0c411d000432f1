#pragma once

#include <cstdint>

namespace vezu::serial {

class TCustomComPort;

// The five driver time-outs in milliseconds; -1 stands for "all bits set".
// A change reaches an open port through its ApplyTimeouts.
class TComTimeouts {
public:
    explicit TComTimeouts(TCustomComPort* port = nullptr) : port_(port) {}
    TComTimeouts(const TComTimeouts&) = delete;
    TComTimeouts& operator=(const TComTimeouts&) = delete;

    std::int32_t ReadInterval() const { return readInterval_; }
    std::int32_t ReadTotalMultiplier() const { return readTotalMultiplier_; }
    std::int32_t ReadTotalConstant() const { return readTotalConstant_; }
    std::int32_t WriteTotalMultiplier() const { return writeTotalMultiplier_; }
    std::int32_t WriteTotalConstant() const { return writeTotalConstant_; }

    void SetReadInterval(std::int32_t value);
    void SetReadTotalMultiplier(std::int32_t value);
    void SetReadTotalConstant(std::int32_t value);
    void SetWriteTotalMultiplier(std::int32_t value);
    void SetWriteTotalConstant(std::int32_t value);

    void Assign(const TComTimeouts& source) { source.AssignTo(*this); }
    void AssignTo(TComTimeouts& target) const;

private:
    void set(std::int32_t& field, std::int32_t value);
    void changed();

    TCustomComPort* port_;
    std::int32_t readInterval_ = -1;
    std::int32_t readTotalMultiplier_ = 0;
    std::int32_t readTotalConstant_ = 0;
    std::int32_t writeTotalMultiplier_ = 100;
    std::int32_t writeTotalConstant_ = 1000;
};

} // namespace vezu::serial
