#pragma once

#include <cstdint>

namespace vezu {

// What a WeighingStore tells those who show its lots. Every call has a
// default that does nothing.
class StoreListener {
public:
    // Lot n (1..C) was created, empty.
    virtual void lotAdded(std::int32_t n) { (void)n; }
    // The table of lot n is about to be destroyed; it can still be read.
    virtual void lotAboutToGo(std::int32_t n) { (void)n; }

protected:
    ~StoreListener() = default;
};

} // namespace vezu
