#include "report/db_dataset.hpp"

#include "base/number_format.hpp"
#include "report/ascii_case.hpp"

namespace vezu {

void DBDataset::leaveOnLastRecord() {
    if (table_->recordCount() > 0) {
        table_->moveTo(table_->recordCount() - 1);
    }
}

std::optional<std::size_t> DBDataset::findField(std::string_view name) const {
    for (std::size_t i = 0; i < table_->fieldCount(); ++i) {
        if (equalsIgnoringCase(table_->field(i).name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string DBDataset::displayText(std::size_t field, const FormatSettings& fs) const {
    if (table_->eof() || table_->isNull(table_->recNo(), field)) {
        return {};
    }
    if (table_->field(field).type == FieldType::Currency) {
        return formatMoney(table_->currency(table_->recNo(), field), fs);
    }
    return table_->valueText(table_->recNo(), field, fs);
}

} // namespace vezu
