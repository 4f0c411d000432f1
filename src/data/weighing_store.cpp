#include "data/weighing_store.hpp"

namespace vezu {

std::unique_ptr<Table> makeKr10Table() {
    return std::make_unique<Table>("CDS1", std::vector<FieldDef>{
                                               {"Serial", FieldType::AutoInc, 0},
                                               {"ID", FieldType::Text, 50},
                                               {"PESO", FieldType::Integer, 0},
                                               {"CC1", FieldType::Text, 5},
                                               {"CC2", FieldType::Text, 5},
                                               {"CC3", FieldType::Text, 5},
                                               {"Ganho", FieldType::Integer, 0},
                                               {"Valor", FieldType::Currency, 0},
                                           });
}

std::unique_ptr<Table> makeLotTable(std::int32_t n) {
    return std::make_unique<Table>("CDC" + std::to_string(n), std::vector<FieldDef>{
                                                                  {"ID", FieldType::Text, 20},
                                                                  {"PESO", FieldType::Integer, 0},
                                                                  {"GANHO", FieldType::Integer, 0},
                                                                  {"VALOR", FieldType::Currency, 0},
                                                                  {"CC1", FieldType::Text, 10},
                                                                  {"CC2", FieldType::Text, 10},
                                                                  {"CC3", FieldType::Text, 10},
                                                                  {"ARQUIVO", FieldType::Text, 20},
                                                                  {"DATA", FieldType::Text, 20},
                                                                  {"HORA", FieldType::Text, 20},
                                                                  {"QUANTIDADE", FieldType::Text, 20},
                                                                  {"MEDIO", FieldType::Text, 20},
                                                                  {"BRUTO", FieldType::Text, 20},
                                                              });
}

WeighingStore::WeighingStore() : ArrayCDS(1), CDS1_(makeKr10Table()) {}

Table& WeighingStore::addLot() {
    ++C;
    ArrayCDS.resize(static_cast<std::size_t>(C) + 1);
    ArrayCDS[static_cast<std::size_t>(C)] = makeLotTable(C);
    return *ArrayCDS.back();
}

void WeighingStore::discardKr10() { CDS1_->empty(); }

void WeighingStore::discardKr20() {
    ArrayCDS.clear();
    ArrayCDS.resize(1);
    B = false;
    C = 0;
}

} // namespace vezu
