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
// summary of every animal) cost one reference per row. Columns grow with
// their records: a table of one record holds one record's worth.
struct Table::Column {
    FieldType type;
    std::vector<TextRef> texts;
    std::vector<std::int64_t> numbers;
    std::vector<bool> nulls;

    explicit Column(FieldType t) : type(t) {}

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

// One field of the record between append() and post(). Its text bytes are
// already at the end of the arena; cancel() drops them again.
struct Table::PendingValue {
    std::int64_t number = 0;
    TextRef text;
    bool set = false;
};

Table::Table(std::string objectName, std::vector<FieldDef> fields)
    : Table(std::move(objectName),
            std::make_shared<const std::vector<FieldDef>>(std::move(fields))) {}

Table::Table(std::string objectName, Schema fields)
    : objectName_(std::move(objectName)), fields_(std::move(fields)) {
    columns_.reserve(fields_->size());
    for (const FieldDef& f : *fields_) {
        columns_.emplace_back(f.type);
        hasAutoInc_ = hasAutoInc_ || f.type == FieldType::AutoInc;
    }
    pending_.resize(fields_->size());
}

Table::~Table() {
    notify([](TableListener& l) { l.tableDestroyed(); });
}

template <typename Call> void Table::notify(Call call) {
    if (listeners_.empty()) {
        return;
    }
    struct Depth {
        Table& table;
        explicit Depth(Table& t) : table(t) { ++table.notifying_; }
        ~Depth() {
            if (--table.notifying_ == 0) {
                std::erase(table.listeners_, nullptr);
            }
        }
    } depth(*this);
    // By index: a listener may add or remove listeners meanwhile.
    for (std::size_t i = 0; i < listeners_.size(); ++i) {
        if (listeners_[i] != nullptr) {
            call(*listeners_[i]);
        }
    }
}

void Table::addListener(TableListener& listener) {
    listeners_.push_back(&listener);
}

void Table::removeListener(TableListener& listener) {
    const auto found = std::find(listeners_.begin(), listeners_.end(), &listener);
    if (found == listeners_.end()) {
        return;
    }
    if (notifying_ > 0) {
        *found = nullptr;
    } else {
        listeners_.erase(found);
    }
}

std::optional<std::size_t> Table::findField(std::string_view name) const {
    for (std::size_t i = 0; i < fields_->size(); ++i) {
        if ((*fields_)[i].name == name) {
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

void Table::append() {
    if (pendingActive_) {
        arena_.resize(pendingArenaMark_);
    }
    pendingActive_ = true;
    pendingArenaMark_ = arena_.size();
    std::fill(pending_.begin(), pending_.end(), PendingValue{});
}

void Table::requirePending(std::size_t fieldIndex, FieldType expected) const {
    if (!pendingActive_) {
        throw Error("Dataset not in edit or insert mode");
    }
    const FieldType actual = field(fieldIndex).type;
    const bool numeric = expected != FieldType::Text;
    if ((actual == FieldType::Text) == numeric ||
        (numeric && actual != expected &&
         !(expected == FieldType::Integer && actual == FieldType::AutoInc))) {
        throw Error(formatMessage("Field '%s' has another type", field(fieldIndex).name));
    }
}

Table::TextRef Table::storeText(std::size_t fieldIndex, std::string_view utf8) {
    const auto size = static_cast<std::size_t>(field(fieldIndex).size);
    const std::string_view value = utf8.substr(0, utf8PrefixLength(utf8, size));
    const std::vector<TextRef>& stored = columns_[fieldIndex].texts;
    if (!stored.empty()) {
        const TextRef& last = stored.back();
        if (last.length == value.size() &&
            std::string_view(arena_).substr(last.offset, last.length) == value) {
            return last;
        }
    }
    if (arena_.size() + value.size() >= kNullLength) {
        throw Error("Table text storage is full");
    }
    const TextRef ref{static_cast<std::uint32_t>(arena_.size()),
                      static_cast<std::uint32_t>(value.size())};
    arena_.append(value);
    return ref;
}

void Table::setText(std::size_t fieldIndex, std::string_view utf8) {
    requirePending(fieldIndex, FieldType::Text);
    pending_[fieldIndex].text = storeText(fieldIndex, utf8);
    pending_[fieldIndex].set = true;
}

void Table::setInteger(std::size_t fieldIndex, std::int32_t value) {
    requirePending(fieldIndex, FieldType::Integer);
    pending_[fieldIndex].number = value;
    pending_[fieldIndex].set = true;
}

void Table::setCurrency(std::size_t fieldIndex, Currency value) {
    requirePending(fieldIndex, FieldType::Currency);
    pending_[fieldIndex].number = value.tenThousandths;
    pending_[fieldIndex].set = true;
}

void Table::post() {
    if (!pendingActive_) {
        throw Error("Dataset not in edit or insert mode");
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        Column& c = columns_[i];
        const PendingValue& value = pending_[i];
        switch (c.type) {
        case FieldType::Text:
            c.texts.push_back(value.set ? value.text : TextRef{0, kNullLength});
            break;
        case FieldType::AutoInc:
            c.numbers.push_back(nextAutoInc_);
            c.nulls.push_back(false);
            break;
        case FieldType::Integer:
        case FieldType::Currency:
            c.numbers.push_back(value.number);
            c.nulls.push_back(!value.set);
            break;
        }
    }
    if (hasAutoInc_) {
        ++nextAutoInc_;
    }
    pendingActive_ = false;
    const std::size_t row = rowCount_++;
    cursor_ = row;
    notify([row](TableListener& l) { l.recordAppended(row); });
}

void Table::cancel() {
    if (pendingActive_) {
        arena_.resize(pendingArenaMark_);
    }
    pendingActive_ = false;
}

void Table::reserve(std::size_t records) {
    for (Column& c : columns_) {
        if (c.type == FieldType::Text) {
            c.texts.reserve(records);
        } else {
            c.numbers.reserve(records);
            c.nulls.reserve(records);
        }
    }
}

void Table::fillText(std::size_t fieldIndex, std::string_view utf8) {
    if (field(fieldIndex).type != FieldType::Text) {
        throw Error(formatMessage("Field '%s' has another type", field(fieldIndex).name));
    }
    if (rowCount_ == 0) {
        return;
    }
    std::vector<TextRef>& texts = columns_[fieldIndex].texts;
    const TextRef shared = storeText(fieldIndex, utf8);
    std::fill(texts.begin(), texts.end(), shared);
    // A pending record's bytes lie below the shared value now; keep both.
    pendingArenaMark_ = arena_.size();
    notify([fieldIndex](TableListener& l) { l.fieldChanged(fieldIndex); });
}

bool Table::isNull(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = columns_.at(fieldIndex);
    if (c.type == FieldType::Text) {
        return c.texts.at(row).length == kNullLength;
    }
    return c.nulls.at(row);
}

std::string_view Table::text(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = columns_.at(fieldIndex);
    if (c.type != FieldType::Text) {
        throw Error(formatMessage("Field '%s' is not a text field", field(fieldIndex).name));
    }
    const auto& ref = c.texts.at(row);
    if (ref.length == kNullLength) {
        return {};
    }
    return std::string_view(arena_).substr(ref.offset, ref.length);
}

std::int32_t Table::integer(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = columns_.at(fieldIndex);
    if (c.type != FieldType::Integer && c.type != FieldType::AutoInc) {
        throw Error(formatMessage("Field '%s' is not an integer field", field(fieldIndex).name));
    }
    return static_cast<std::int32_t>(c.numbers.at(row));
}

Currency Table::currency(std::size_t row, std::size_t fieldIndex) const {
    const Column& c = columns_.at(fieldIndex);
    if (c.type != FieldType::Currency) {
        throw Error(formatMessage("Field '%s' is not a currency field", field(fieldIndex).name));
    }
    return Currency{c.numbers.at(row)};
}

void Table::appendValueText(std::string& out, std::size_t row, std::size_t fieldIndex,
                            const FormatSettings& fs) const {
    const Column& c = columns_.at(fieldIndex);
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

std::string Table::valueText(std::size_t row, std::size_t fieldIndex,
                             const FormatSettings& fs) const {
    std::string out;
    appendValueText(out, row, fieldIndex, fs);
    return out;
}

void Table::setCursor(std::size_t row) {
    const std::size_t previous = cursor_;
    cursor_ = std::min(row, rowCount_);
    notify([previous, this](TableListener& l) { l.cursorMoved(previous, cursor_); });
}

void Table::first() {
    setCursor(0);
}

void Table::next() {
    setCursor(cursor_ + 1);
}

void Table::last() {
    setCursor(rowCount_ > 0 ? rowCount_ - 1 : 0);
}

void Table::moveTo(std::size_t row) {
    setCursor(row);
}

void Table::deleteCurrent() {
    if (cursor_ >= rowCount_) {
        return;
    }
    const std::size_t row = cursor_;
    notify([row](TableListener& l) { l.recordAboutToBeRemoved(row); });
    for (auto& c : columns_) {
        c.erase(row);
    }
    --rowCount_;
    // The next record becomes current, whatever a listener did meanwhile.
    cursor_ = rowCount_ == 0 ? 0 : std::min(row, rowCount_ - 1);
    notify([row](TableListener& l) { l.recordRemoved(row); });
    // Another record stands at the cursor now, even when its position is the same.
    notify([row, this](TableListener& l) { l.cursorMoved(row, cursor_); });
}

void Table::empty() {
    notify([](TableListener& l) { l.aboutToBeEmptied(); });
    for (auto& c : columns_) {
        c.clear();
    }
    arena_ = {};
    rowCount_ = 0;
    cursor_ = 0;
    pendingActive_ = false;
    pendingArenaMark_ = 0;
    open_ = true;
    notify([](TableListener& l) { l.emptied(); });
}

std::size_t Table::memoryUsage() const {
    std::size_t bytes = arena_.capacity();
    for (const auto& c : columns_) {
        bytes += c.texts.capacity() * sizeof(TextRef) +
                 c.numbers.capacity() * sizeof(std::int64_t) + c.nulls.capacity() / 8;
    }
    return bytes;
}

} // namespace vezu
