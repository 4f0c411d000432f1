#include "data/weighing_store.hpp"

#include <algorithm>

#include "data/store_writer.hpp"

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
    static const Table::Schema schema =
        std::make_shared<const std::vector<FieldDef>>(std::vector<FieldDef>{
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
    return std::make_unique<Table>("CDC" + std::to_string(n), schema);
}

WeighingStore::WeighingStore() : CDS1_(makeKr10Table()) {}

// The lots go the way the discard step takes them, each announced first.
WeighingStore::~WeighingStore() {
    discardKr20();
}

void WeighingStore::addListener(StoreListener& listener) {
    listeners_.push_back(&listener);
}

void WeighingStore::removeListener(StoreListener& listener) {
    std::erase(listeners_, &listener);
}

void WeighingStore::lastOfEveryLot() {
    for (const auto& lot : lots_) {
        lot->last();
    }
}

void WeighingStore::discardKr10() {
    CDS1_->empty();
}

void WeighingStore::discardKr20() {
    for (std::int32_t n = 1; n <= C(); ++n) {
        // A copy: a listener may stop listening on the way.
        for (StoreListener* listener : std::vector<StoreListener*>(listeners_)) {
            listener->lotAboutToGo(n);
        }
        lots_[static_cast<std::size_t>(n) - 1].reset();
    }
    lots_.clear();
    B_ = false;
}

void StoreWriter::clearSummary() {
    for (std::string& s : store_.S_) {
        s.clear();
    }
}

Table& StoreWriter::addLot() {
    const std::int32_t n = store_.C() + 1;
    store_.lots_.push_back(makeLotTable(n));
    for (StoreListener* listener : std::vector<StoreListener*>(store_.listeners_)) {
        listener->lotAdded(n);
    }
    return *store_.lots_.back();
}

} // namespace vezu
