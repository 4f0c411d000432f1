#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/table.hpp"

namespace vezu {

// Field positions of the KR-10 table CDS1, in table order.
namespace kr10 {
enum Field : std::size_t { Serial, ID, PESO, CC1, CC2, CC3, Ganho, Valor };
}

// Field positions of a KR-20 lot table, in table order.
namespace kr20 {
enum Field : std::size_t {
    ID, PESO, GANHO, VALOR, CC1, CC2, CC3, ARQUIVO, DATA, HORA, QUANTIDADE, MEDIO, BRUTO
};
}

std::unique_ptr<Table> makeKr10Table();
// The table of lot n, object name "CDC" + n.
std::unique_ptr<Table> makeLotTable(std::int32_t n);

// Everything a loaded listing leaves behind: the KR-10 table, the KR-20 lot
// tables, the lot bookkeeping and the summary strings read by the exports.
class WeighingStore {
public:
    WeighingStore();

    Table& CDS1() { return *CDS1_; }
    const Table& CDS1() const { return *CDS1_; }

    // Lot n, 1..C.
    Table& lot(std::int32_t n) { return *ArrayCDS.at(static_cast<std::size_t>(n)); }
    const Table& lot(std::int32_t n) const { return *ArrayCDS.at(static_cast<std::size_t>(n)); }
    // C := C + 1 and a new, empty lot table for it.
    Table& addLot();

    // Data of the model is loaded: KR-10 when CDS1 holds a record, KR-20 when B.
    bool hasKr10Data() const { return CDS1_->recordCount() > 0; }
    bool hasKr20Data() const { return B; }

    // The discard steps, data half: the window removes the pages itself.
    void discardKr10();
    void discardKr20();

    // Entry 0 never holds a lot; entries 1..C do. Grows with the lots.
    std::vector<std::unique_ptr<Table>> ArrayCDS;
    std::int32_t C = 0;
    bool B = false;
    std::int32_t Contador = 0;
    std::string S1, S2, S3, S4, S5, S6;

private:
    std::unique_ptr<Table> CDS1_;
};

} // namespace vezu
