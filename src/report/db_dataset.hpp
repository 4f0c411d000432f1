#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/format_settings.hpp"
#include "data/table.hpp"

namespace vezu {

// The adapter through which a layout reads a table: found by its user name,
// it walks the whole table and gives each field's display text.
class DBDataset {
public:
    explicit DBDataset(std::string userName) : userName_(std::move(userName)) {}

    const std::string& userName() const { return userName_; }

    void bind(Table& table) { table_ = &table; }
    Table* table() const { return table_; }

    void first() { table_->first(); }
    void next() { table_->next(); }
    bool eof() const { return table_->eof(); }
    // Walking ends on the last record, as a grid bound to the table shows it.
    void leaveOnLastRecord();

    // Field position by name, letter case ignored.
    std::optional<std::size_t> findField(std::string_view name) const;
    // The current record's field as the report shows it: text as stored,
    // integers in decimal, currency as money; no value (or no current
    // record) gives "".
    std::string displayText(std::size_t field, const FormatSettings& fs) const;

private:
    std::string userName_;
    Table* table_ = nullptr;
};

} // namespace vezu
