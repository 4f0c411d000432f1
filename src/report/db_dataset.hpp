#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/format_settings.hpp"
#include "data/table.hpp"

namespace vezu {

// The adapter through which a layout reads a table: found by its user name,
// it walks the whole table by row and gives each field's display text. It
// only reads: the table's cursor, the record its grid marks, stays where it is.
class DBDataset {
public:
    explicit DBDataset(std::string userName) : userName_(std::move(userName)) {}

    const std::string& userName() const { return userName_; }

    void bind(const Table& table) {
        table_ = &table;
        row_ = 0;
    }
    const Table* table() const { return table_; }

    void first() { row_ = 0; }
    void next() {
        if (!eof()) {
            ++row_;
        }
    }
    bool eof() const { return table_ == nullptr || row_ >= table_->recordCount(); }

    // Field position by name, letter case ignored.
    std::optional<std::size_t> findField(std::string_view name) const;
    // The current row's field as the report shows it: text as stored,
    // integers in decimal, currency as money; no value (or no current
    // row) gives "".
    std::string displayText(std::size_t field, const FormatSettings& fs) const;

private:
    std::string userName_;
    const Table* table_ = nullptr;
    std::size_t row_ = 0;
};

} // namespace vezu
