#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/store_listener.hpp"
#include "data/table.hpp"

namespace vezu {

// Field positions of the KR-10 table CDS1, in table order.
namespace kr10 {
enum Field : std::size_t { Serial, ID, PESO, CC1, CC2, CC3, Ganho, Valor };
}

// Field positions of a KR-20 lot table, in table order.
namespace kr20 {
enum Field : std::size_t {
    ID,
    PESO,
    GANHO,
    VALOR,
    CC1,
    CC2,
    CC3,
    ARQUIVO,
    DATA,
    HORA,
    QUANTIDADE,
    MEDIO,
    BRUTO
};
}

std::unique_ptr<Table> makeKr10Table();
// The table of lot n, object name "CDC" + n.
std::unique_ptr<Table> makeLotTable(std::int32_t n);

// Everything a loaded listing leaves behind: the KR-10 table, the KR-20 lot
// tables, the lot bookkeeping and the summary strings read by the exports.
//
// Only the parsers (through StoreWriter) and the discard steps change the
// bookkeeping; the tables' own records change through the tables.
class WeighingStore {
public:
    WeighingStore();
    ~WeighingStore();
    WeighingStore(const WeighingStore&) = delete;
    WeighingStore& operator=(const WeighingStore&) = delete;

    Table& CDS1() { return *CDS1_; }
    const Table& CDS1() const { return *CDS1_; }

    // Lot n, 1..C.
    Table& lot(std::int32_t n) { return *lots_.at(static_cast<std::size_t>(n) - 1); }
    const Table& lot(std::int32_t n) const { return *lots_.at(static_cast<std::size_t>(n) - 1); }

    std::int32_t C() const { return static_cast<std::int32_t>(lots_.size()); }
    bool B() const { return B_; }
    std::int32_t Contador() const { return Contador_; }
    const std::string& S1() const { return S_[0]; }
    const std::string& S2() const { return S_[1]; }
    const std::string& S3() const { return S_[2]; }
    const std::string& S4() const { return S_[3]; }
    const std::string& S5() const { return S_[4]; }
    const std::string& S6() const { return S_[5]; }

    // Data of the model is loaded: KR-10 when CDS1 holds a record, KR-20 when B.
    bool hasKr10Data() const { return CDS1_->recordCount() > 0; }
    bool hasKr20Data() const { return B_; }

    // Every lot's cursor on its last record, where walking them all leaves them.
    void lastOfEveryLot();

    // The discard steps, data half: each lot is announced before it goes.
    void discardKr10();
    void discardKr20();

    void addListener(StoreListener& listener);
    void removeListener(StoreListener& listener);

private:
    friend class StoreWriter;

    std::unique_ptr<Table> CDS1_;
    // Lot n at index n - 1; grows with the lots, past 99 too.
    std::vector<std::unique_ptr<Table>> lots_;
    bool B_ = false;
    std::int32_t Contador_ = 0;
    std::string S_[6];
    std::vector<StoreListener*> listeners_;
};

} // namespace vezu
