#include "data/table.hpp"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/error.hpp"
#include "base/number_format.hpp"

namespace vezu {
namespace {

constexpr std::uint32_t kNullLength = std::numeric_limits<std::uint32_t>::max();

// Bytes of the first `limit` code points of a UTF-8 text.
std::size_t utf8PrefixLength(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == limit) {
                return i;
            }
            ++count;
        }
    }
    return text.size();
}

} // namespace

// Text is kept as references into one byte arena per table; a value equal to
// the row before shares its bytes, so values repeated down a column (the lot
// summary of every animal) cost one reference per row.
struct Table::Column {
    struct TextRef {
        std::uint32_t offset = 0;
        std::uint32_t length = kNullLength;
    };

    FieldType type;
    std::vector<TextRef> texts;
    std::vector<std::int64_t> numbers;
    std::vector<bool> nulls;

    explicit Column(FieldType t) : type(t) {}

    // Room for a typical lot at once: growing row by row costs more in the
    // allocator than the copying.
    void reserveFirstRows() {
        constexpr std::size_t kFirstRows = 512;
        if (type == FieldType::Text) {
            texts.reserve(kFirstRows);
        } else {
            numbers.reserve(kFirstRows);
            nulls.reserve(kFirstRows);
        }
    }

    void pushText(std::string& arena, std::string_view value, bool isNull) {
        if (isNull) {
            texts.push_back({});
            return;
        }
        if (!texts.empty()) {
            const TextRef& last = texts.back();
            if (last.length == value.size() &&
                std::string_view(arena).substr(last.offset, last.length) == value) {
                texts.push_back(last);
                return;
            }
        }
        if (arena.size() + value.size() >= kNullLength) {
            throw Error("Table text storage is full");
        }
        texts.push_back({static_cast<std::uint32_t>(arena.size()), static_cast<std::uint32_t>(value.size())});
        arena.append(value);
    }

    void pushNumber(std::int64_t value, bool isNull) {
        numbers.push_back(value);
        nulls.push_back(isNull);
    }

    void erase(std::size_t row) {
        if (type == FieldType::Text) {
            texts.erase(texts.begin() + static_cast<std::ptrdiff_t>(row));
        } else {
            numbers.erase(numbers.begin() + static_cast<std::ptrdiff_t>(row));
            nulls.erase(nulls.begin() + static_cast<std::ptrdiff_t>(row));
        }
    }

    void clear() {
        texts = {};
        numbers = {};
        nulls = {};
    }
};

// The record between append() and post(); reused so appends do not allocate.
struct Table::Pending {
    std::vector<std::uint8_t> set;
    std::vector<std::string> texts;
    std::vector<std::int64_t> numbers;

    explicit Pending(std::size_t fields) : set(fields), texts(fields), numbers(fields) {}
};

Table::Table(std::string objectName, std::vector<FieldDef> fields)
    : objectName_(std::move(objectName)), fields_(std::move(fields)) {
    for (const FieldDef& f : fields_) {
        columns_.push_back(std::make_unique<Column>(f.type));
        hasAutoInc_ = hasAutoInc_ || f.type == FieldType::AutoInc;
    }
    pending_ = std::make_unique<Pending>(fields_.size());
}

Table::~Table() = default;

std::optional<std::size_t> Table::findField(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t Table::fieldIndex(std::string_view name) const {
    if (auto index = findField(name)) {
        return *index;
    }
    throw Error(formatMessage("Field '%s' not found", name));
}

Table::Column& Table::column(std::size_t fieldIndex) { return *columns_.at(fieldIndex); }
const Table::Column& Table::column(std::size_t fieldIndex) const { return *columns_.at(fieldIndex); }

void Table::append() {
    pendingActive_ = true;
    std::fill(pending_->set.begin(), pending_->set.end(), 0);
}

void Table::requirePending(std::size_t fieldIndex, FieldType expected) const {
    if (!pendingActive_) {
        throw Error("Dataset not in edit or insert mode");
    }
    const FieldType actual = field(fieldIndex).type;
    const bool numeric = expected != FieldType::Text;
    if ((actual == FieldType::Text) == numeric || (numeric && actual != expected &&
                                                    !(expected == FieldType::Integer && actual == FieldType::AutoInc))) {
        throw Error(formatMessage("Field '%s' has another type", field(fieldIndex).name));
    }
}

void Table::setText(std::size_t fieldIndex, std::string_view utf8) {
    requirePending(fieldIndex, FieldType::Text);
    const auto size = static_cast<std::size_t>(fields_[fieldIndex].size);
    pending_->texts[fieldIndex].assign(utf8.substr(0, utf8PrefixLength(utf8, size)));
    pending_->set[fieldIndex] = true;
}

void Table::setInteger(std::size_t fieldIndex, std::int32_t value) {
    requirePending(fieldIndex, FieldType::Integer);
    pending_->numbers[fieldIndex] = value;
    pending_->set[fieldIndex] = true;
}

void Table::setCurrency(std::size_t fieldIndex, Currency value) {
    requirePending(fieldIndex, FieldType::Currency);
    pending_->numbers[fieldIndex] = value.tenThousandths;
    pending_->set[fieldIndex] = true;
}

void Table::post() {
    if (!pendingActive_) {
        throw Error("Dataset not in edit or insert mode");
    }
    if (rowCount_ == 0) {
        arena_.reserve(8192);
        for (auto& c : columns_) {
            c->reserveFirstRows();
        }
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        Column& c = *columns_[i];
        const bool isSet = pending_->set[i];
        switch (fields_[i].type) {
        case FieldType::Text:
            c.pushText(arena_, pending_->texts[i], !isSet);
            break;
        case FieldType::AutoInc:
            c.pushNumber(nextAutoInc_, false);
            break;
        case FieldType::Integer:
        case FieldType::Currency:
            c.pushNumber(pending_->numbers[i], !isSet);
            break;
        }
    }
    if (hasAutoInc_) {
        ++nextAutoInc_;
    }
    pendingActive_ = false;
    cursor_ = rowCount_++;
}

void Table::cancel() { pendingActive_ = false; }

bool Table::isNull(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = column(fieldIndex);
    if (c.type == FieldType::Text) {
        return c.texts.at(row).length == kNullLength;
    }
    return c.nulls.at(row);
}

std::string_view Table::text(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = column(fieldIndex);
    if (c.type != FieldType::Text) {
        throw Error(formatMessage("Field '%s' is not a text field", fields_[fieldIndex].name));
    }
    const auto& ref = c.texts.at(row);
    if (ref.length == kNullLength) {
        return {};
    }
    return std::string_view(arena_).substr(ref.offset, ref.length);
}

std::int32_t Table::integer(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = column(fieldIndex);
    if (c.type != FieldType::Integer && c.type != FieldType::AutoInc) {
        throw Error(formatMessage("Field '%s' is not an integer field", fields_[fieldIndex].name));
    }
    return static_cast<std::int32_t>(c.numbers.at(row));
}

Currency Table::currency(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = column(fieldIndex);
    if (c.type != FieldType::Currency) {
        throw Error(formatMessage("Field '%s' is not a currency field", fields_[fieldIndex].name));
    }
    return Currency{c.numbers.at(row)};
}

void Table::appendValueText(std::string& out, std::size_t row, std::size_t fieldIndex,
                            const FormatSettings& fs) const {
    const Column& c = column(fieldIndex);
    switch (c.type) {
    case FieldType::Text: {
        const auto& ref = c.texts[row];
        if (ref.length != kNullLength) {
            out.append(arena_, ref.offset, ref.length);
        }
        return;
    }
    case FieldType::Integer:
    case FieldType::AutoInc:
        if (!c.nulls[row]) {
            char buffer[16];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, c.numbers[row]).ptr;
            out.append(buffer, static_cast<std::size_t>(end - buffer));
        }
        return;
    case FieldType::Currency:
        if (!c.nulls[row]) {
            appendCurrencyText(out, Currency{c.numbers[row]}, fs);
        }
        return;
    }
}

std::string Table::valueText(std::size_t row, std::size_t fieldIndex, const FormatSettings& fs) const {
    std::string out;
    appendValueText(out, row, fieldIndex, fs);
    return out;
}

void Table::first() { cursor_ = 0; }

void Table::next() {
    if (cursor_ < rowCount_) {
        ++cursor_;
    }
}

void Table::moveTo(std::size_t row) { cursor_ = row < rowCount_ ? row : rowCount_; }

void Table::deleteCurrent() {
    if (cursor_ >= rowCount_) {
        return;
    }
    for (auto& c : columns_) {
        c->erase(cursor_);
    }
    --rowCount_;
    if (cursor_ >= rowCount_ && rowCount_ > 0) {
        cursor_ = rowCount_ - 1;
    }
}

void Table::empty() {
    for (auto& c : columns_) {
        c->clear();
    }
    arena_ = {};
    rowCount_ = 0;
    cursor_ = 0;
    pendingActive_ = false;
    open_ = true;
}

std::size_t Table::memoryUsage() const {
    std::size_t bytes = arena_.capacity();
    for (const auto& c : columns_) {
        bytes += c->texts.capacity() * sizeof(Column::TextRef) +
                 c->numbers.capacity() * sizeof(std::int64_t) + c->nulls.capacity() / 8;
    }
    return bytes;
}

} // namespace vezu
