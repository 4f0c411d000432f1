#include "analysis/store_access.hpp"

namespace vezu {

std::vector<LotView> lotsOf(const WeighingStore& store, ListingModel model) {
    std::vector<LotView> lots;
    if (model == ListingModel::Kr10) {
        LotView lot;
        lot.name = store.S1();
        lot.table = &store.CDS1();
        lot.idField = kr10::ID;
        lot.pesoField = kr10::PESO;
        lot.listingDate = store.S2();
        lots.push_back(std::move(lot));
        return lots;
    }
    for (std::int32_t n = 1; n <= store.C(); ++n) {
        LotView lot;
        lot.number = n;
        lot.table = &store.lot(n);
        lot.idField = kr20::ID;
        lot.pesoField = kr20::PESO;
        lot.ganhoField = kr20::GANHO;
        lot.valorField = kr20::VALOR;
        lot.dateField = kr20::DATA;
        if (lot.table->recordCount() > 0) {
            lot.name = std::string(lot.table->text(0, kr20::ARQUIVO));
        }
        lots.push_back(std::move(lot));
    }
    return lots;
}

std::vector<std::int64_t> fieldUnits(const Table& table, std::size_t field) {
    const bool currency = table.field(field).type == FieldType::Currency;
    std::vector<std::int64_t> values;
    values.reserve(table.recordCount());
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        if (!table.isNull(row, field)) {
            values.push_back(currency ? table.currency(row, field).tenThousandths
                                      : table.integer(row, field));
        }
    }
    return values;
}

std::string_view weighingDateText(const LotView& lot, std::size_t row) {
    if (lot.dateField) {
        return lot.table->text(row, *lot.dateField);
    }
    return lot.listingDate;
}

} // namespace vezu
