#include "export/csv_writer.hpp"

#include <algorithm>
#include <array>

#include "base/atomic_file.hpp"
#include "base/cp1252.hpp"

namespace vezu {
namespace {

constexpr std::size_t kFlushAt = 256 * 1024;

// Bytes that make a value need quotes or a code page conversion.
constexpr auto kNotPlain = [] {
    std::array<unsigned char, 256> flags{};
    for (unsigned c : {';', '"', '\r', '\n'}) {
        flags[c] = 1;
    }
    for (unsigned c = 0x80; c < 256; ++c) {
        flags[c] = 1;
    }
    return flags;
}();

// Collects the file's bytes in the ANSI code page and hands them to the
// file in large pieces.
class CsvOutput {
public:
    explicit CsvOutput(const std::string& path) : file_(path) { buffer_.reserve(kFlushAt + 4096); }

    void text(std::string_view utf8) { appendUtf8AsCp1252(buffer_, utf8); }

    // A value holding the separator, a quote or a line break would shift the
    // row, so only such a value is quoted, with inner quotes doubled.
    void value(std::string_view utf8) {
        if (!needsQuotes(utf8)) {
            text(utf8);
            return;
        }
        buffer_.push_back('"');
        std::size_t start = 0;
        for (auto quote = utf8.find('"'); quote != std::string_view::npos;
             quote = utf8.find('"', start)) {
            text(utf8.substr(start, quote + 1 - start));
            buffer_.push_back('"');
            start = quote + 1;
        }
        text(utf8.substr(start));
        buffer_.push_back('"');
    }

    // A field's value text, written in place: most values are plain ASCII
    // and need neither conversion nor quotes.
    void field(const Table& table, std::size_t row, std::size_t fieldIndex,
               const FormatSettings& fs) {
        const std::size_t start = buffer_.size();
        table.appendValueText(buffer_, row, fieldIndex, fs);
        unsigned char needsWork = 0;
        for (std::size_t i = start; i < buffer_.size(); ++i) {
            needsWork |= kNotPlain[static_cast<unsigned char>(buffer_[i])];
        }
        if (needsWork != 0) {
            const std::string utf8 = buffer_.substr(start);
            buffer_.resize(start);
            value(utf8);
        }
    }

    void separator() { buffer_.push_back(';'); }

    void endLine() {
        buffer_.append("\r\n");
        if (buffer_.size() >= kFlushAt) {
            file_.write(buffer_);
            buffer_.clear();
        }
    }

    void commit() {
        file_.write(buffer_);
        file_.commit();
    }

private:
    static bool needsQuotes(std::string_view utf8) {
        for (const char c : utf8) {
            if (c == ';' || c == '"' || c == '\r' || c == '\n') {
                return true;
            }
        }
        return false;
    }

    AtomicFileWriter file_;
    std::string buffer_;
};

void writeRecords(CsvOutput& out, const Table& table, const FormatSettings& fs) {
    for (std::size_t row = 0; row < table.recordCount(); ++row) {
        for (std::size_t f = 0; f < table.fieldCount(); ++f) {
            if (f > 0) {
                out.separator();
            }
            out.field(table, row, f, fs);
        }
        out.endLine();
    }
}

} // namespace

void writeKr10Csv(const Table& CDS1, const std::string& path, const FormatSettings& fs) {
    CsvOutput out(path);
    const std::size_t named = std::min<std::size_t>(3, CDS1.fieldCount());
    for (std::size_t f = 0; f < named; ++f) {
        out.text(CDS1.field(f).name);
        if (f + 1 != CDS1.fieldCount()) {
            out.separator();
        }
    }
    out.endLine();
    writeRecords(out, CDS1, fs);
    out.commit();
}

void writeKr20Csv(const WeighingStore& store, const std::string& path, const FormatSettings& fs) {
    CsvOutput out(path);
    out.text(kKr20CsvHeader);
    out.endLine();
    for (std::int32_t n = 1; n <= store.C(); ++n) {
        writeRecords(out, store.lot(n), fs);
    }
    out.commit();
}

std::string withCsvExtension(const std::string& path) {
    const auto slash = path.rfind('/');
    const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.rfind('.');
    if (dot != std::string::npos && dot >= nameStart) {
        return path.substr(0, dot) + ".csv";
    }
    return path + ".csv";
}

} // namespace vezu
