#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/currency.hpp"
#include "base/format_settings.hpp"
#include "data/field.hpp"
#include "data/table_listener.hpp"

namespace vezu {

// An in-memory table: typed columns, nulls, records in the order they were
// stored, and one current record. Text is held as UTF-8.
//
// Writing follows append / set / post: append() starts a pending record that
// only post() stores, so a record that fails half-way is never seen.
//
// Listeners hear of every change; readers that only read go by row and leave
// the cursor alone.
class Table {
public:
    using Schema = std::shared_ptr<const std::vector<FieldDef>>;

    Table(std::string objectName, std::vector<FieldDef> fields);
    // Tables of one kind share their field definitions.
    Table(std::string objectName, Schema fields);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& objectName() const { return objectName_; }

    // Structure.
    std::size_t fieldCount() const { return fields_->size(); }
    const FieldDef& field(std::size_t index) const { return fields_->at(index); }
    // Index of the field with exactly this name; throws Error when missing.
    std::size_t fieldIndex(std::string_view name) const;
    std::optional<std::size_t> findField(std::string_view name) const;

    // Open / close keep every record.
    bool isOpen() const { return open_; }
    void open() { open_ = true; }
    void close() { open_ = false; }

    // Writing.
    void append();
    void setText(std::size_t fieldIndex, std::string_view utf8);
    void setInteger(std::size_t fieldIndex, std::int32_t value);
    void setCurrency(std::size_t fieldIndex, Currency value);
    void post();
    void cancel();
    // Room for this many records in all, so a table known to grow does not
    // grow record by record.
    void reserve(std::size_t records);
    // Gives the text field of every stored record this value.
    void fillText(std::size_t fieldIndex, std::string_view utf8);

    // Reading.
    std::size_t recordCount() const { return rowCount_; }
    bool isNull(std::size_t row, std::size_t fieldIndex) const;
    // Valid until the table is next written.
    std::string_view text(std::size_t row, std::size_t fieldIndex) const;
    std::int32_t integer(std::size_t row, std::size_t fieldIndex) const;
    Currency currency(std::size_t row, std::size_t fieldIndex) const;
    // The value text: stored text; integers in decimal; currency in the
    // general form with the locale's decimal separator; null as "".
    void appendValueText(std::string& out, std::size_t row, std::size_t fieldIndex,
                         const FormatSettings& fs) const;
    std::string valueText(std::size_t row, std::size_t fieldIndex, const FormatSettings& fs) const;

    // Cursor over the stored records: the record the grids mark as current.
    void first();
    void next();
    void last();
    bool eof() const { return cursor_ >= rowCount_; }
    std::size_t recNo() const { return cursor_; }
    void moveTo(std::size_t row);

    // Deletes the current record; the one after it becomes current.
    void deleteCurrent();
    // Removes every record; fields stay and the table stays open.
    void empty();

    // Bytes held by the records (for the memory figures of the benchmarks).
    std::size_t memoryUsage() const;

    // A listener stays until removed or until the table is destroyed.
    void addListener(TableListener& listener);
    void removeListener(TableListener& listener);

private:
    struct TextRef {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Column;
    struct PendingValue;

    void requirePending(std::size_t fieldIndex, FieldType expected) const;
    TextRef storeText(std::size_t fieldIndex, std::string_view utf8);
    void setCursor(std::size_t row);
    template <typename Call> void notify(Call call);

    std::string objectName_;
    Schema fields_;
    std::vector<Column> columns_;
    std::string arena_; // the bytes of every text value
    std::vector<PendingValue> pending_;
    std::size_t pendingArenaMark_ = 0;
    bool pendingActive_ = false;
    std::size_t rowCount_ = 0;
    std::size_t cursor_ = 0;
    std::int32_t nextAutoInc_ = 1;
    bool hasAutoInc_ = false;
    bool open_ = true;
    std::vector<TableListener*> listeners_;
    int notifying_ = 0;
};

} // namespace vezu
