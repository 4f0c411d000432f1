#pragma once

#include <cstdint>
#include <string>

#include "data/weighing_store.hpp"

namespace vezu {

// The parsers' hold on a WeighingStore: the only way, besides the discard
// steps, to change its lots, flags and summary strings.
class StoreWriter {
public:
    explicit StoreWriter(WeighingStore& store) : store_(store) {}

    std::string& S1() { return store_.S_[0]; }
    std::string& S2() { return store_.S_[1]; }
    std::string& S3() { return store_.S_[2]; }
    std::string& S4() { return store_.S_[3]; }
    std::string& S5() { return store_.S_[4]; }
    std::string& S6() { return store_.S_[5]; }
    // S1..S6 := "", so nothing of an earlier listing leaks into the next.
    void clearSummary();

    // C := C + 1 and a new, empty lot table for it.
    Table& addLot();
    // B := true: a KR-20 animal row was begun.
    void markRowsLoaded() { store_.B_ = true; }
    // Contador := Contador + 1: a listing was parsed to its end.
    void countListing() { ++store_.Contador_; }

private:
    WeighingStore& store_;
};

} // namespace vezu
