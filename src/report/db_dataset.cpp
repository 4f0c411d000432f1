#include "report/db_dataset.hpp"

#include "base/number_format.hpp"
#include "report/ascii_case.hpp"

namespace vezu {

std::optional<std::size_t> DBDataset::findField(std::string_view name) const {
    for (std::size_t i = 0; i < table_->fieldCount(); ++i) {
        if (equalsIgnoringCase(table_->field(i).name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string DBDataset::displayText(std::size_t field, const FormatSettings& fs) const {
    if (eof() || table_->isNull(row_, field)) {
        return {};
    }
    if (table_->field(field).type == FieldType::Currency) {
        return formatMoney(table_->currency(row_, field), fs);
    }
    return table_->valueText(row_, field, fs);
}

} // namespace vezu
