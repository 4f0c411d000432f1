#pragma once

#include <cstdint>
#include <string>

#include "data/weighing_store.hpp"

namespace vezu {

// One animal row of a KR-20 lot, as the parser stores it.
inline void addAnimal(Table& lot, const std::string& id, std::int32_t peso, std::int32_t ganho = 0,
                      std::int64_t valorTenThousandths = 0, const std::string& lotName = "LOTE",
                      const std::string& date = "05/03/18") {
    lot.append();
    lot.setInteger(kr20::PESO, peso);
    lot.setInteger(kr20::GANHO, ganho);
    lot.setCurrency(kr20::VALOR, Currency{valorTenThousandths});
    lot.setText(kr20::ID, id);
    lot.setText(kr20::ARQUIVO, lotName);
    lot.setText(kr20::DATA, date);
    lot.post();
}

inline void addKr10Animal(WeighingStore& store, const std::string& id, std::int32_t peso) {
    Table& t = store.CDS1();
    t.append();
    t.setText(kr10::ID, id);
    t.setInteger(kr10::PESO, peso);
    t.post();
}

} // namespace vezu
