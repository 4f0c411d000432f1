#pragma once

#include <cstdint>

namespace vezu::serial::platform {

// A manual-reset signal that a device wait watches besides the line: once set
// it stays set until reset.
class StopSignal {
public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    void set();
    void reset();
    bool isSet() const;

    // What the backend waits on (a descriptor or an event handle).
    std::intptr_t nativeHandle() const { return handle_; }

private:
    std::intptr_t handle_;
};

} // namespace vezu::serial::platform
