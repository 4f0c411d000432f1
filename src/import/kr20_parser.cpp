#include "import/kr20_parser.hpp"

#include <algorithm>

#include "base/conversions.hpp"
#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "base/text.hpp"
#include "import/kr10_parser.hpp"
#include "import/listing_fields.hpp"
#include "import/line_reader.hpp"

namespace vezu {
namespace {

enum class LineKind { Skipped, Lot, Summary, Animal };

LineKind kindOf(std::string_view line) {
    if (slice(line, 1, 5) == "*****" || slice(line, 1, 18) == "|    IDENTIFICACAO") {
        return LineKind::Skipped;
    }
    if (line.empty() || line[0] != '|') {
        return LineKind::Skipped;
    }
    if (slice(line, 1, 6) == "|LOTE:") {
        return LineKind::Lot;
    }
    if (slice(line, 1, 6) == "|QTD.:") {
        return LineKind::Summary;
    }
    if (slice(line, 21, 23) == "(-)") {
        return LineKind::Skipped;
    }
    return LineKind::Animal;
}

// Listings always write the value with a point. Exchanging point and comma
// and reading with a comma as decimal separator, whatever the user's locale,
// is the same as reading the text as it stands with a point; an error names
// the exchanged text.
Currency readValue(std::string_view field) {
    static const FormatSettings pointDecimal;
    const std::string_view text = trim(field);
    try {
        return StrToCurrency(text, pointDecimal);
    } catch (const ConvertError&) {
        throw ConvertError(formatMessage(kInvalidFloat, TrocaVirgPPto(cp1252ToUtf8(text))));
    }
}

class Kr20Reader {
public:
    Kr20Reader(WeighingStore& store, ListingObserver& observer) : store_(store), observer_(observer) {}

    void read(std::string_view line) {
        switch (kindOf(line)) {
        case LineKind::Lot: readLot(line); break;
        case LineKind::Summary: readSummary(line); break;
        case LineKind::Animal: readAnimal(line); break;
        case LineKind::Skipped: break;
        }
    }

private:
    void requireLot() const {
        // A row or summary before any lot line has no lot to go to.
        if (store_.C == 0) {
            throw Error(std::string(kInvalidListing));
        }
    }

    void readLot(std::string_view line) {
        store_.S1 = cp1252ToUtf8(trim(slice(line, 8, 17)));
        store_.S2 = cp1252ToUtf8(slice(line, 30, 37));
        store_.S3 = cp1252ToUtf8(slice(line, 55, 59));
        store_.addLot();
        observer_.kr20LotCreated(store_.C);
    }

    void readSummary(std::string_view line) {
        requireLot();
        store_.S4 = cp1252ToUtf8(trim(slice(line, 7, 10)));
        store_.S5 = cp1252ToUtf8(trim(slice(line, 30, 37)));
        store_.S6 = cp1252ToUtf8(trim(slice(line, 53, 60)));
        observer_.kr20SummaryRead(store_.C);
    }

    void readAnimal(std::string_view line) {
        requireLot();
        store_.B = true;
        Table& table = store_.lot(store_.C);
        table.open();
        const std::int32_t weight = readListingInteger(slice(line, 30, 34));
        const std::int32_t gain = readListingInteger(slice(line, 60, 64));
        const Currency value = readValue(slice(line, 68, 77));
        table.append();
        table.setInteger(kr20::PESO, weight);
        table.setInteger(kr20::GANHO, gain);
        table.setCurrency(kr20::VALOR, value);
        setText(table, kr20::CC1, slice(line, 40, 44));
        setText(table, kr20::CC2, slice(line, 47, 51));
        setText(table, kr20::CC3, slice(line, 54, 58));
        setText(table, kr20::ID, slice(line, 4, 19));
        table.setText(kr20::ARQUIVO, store_.S1);
        table.setText(kr20::DATA, store_.S2);
        table.setText(kr20::HORA, store_.S3);
        table.setText(kr20::QUANTIDADE, store_.S4);
        table.setText(kr20::MEDIO, store_.S5);
        table.setText(kr20::BRUTO, store_.S6);
        table.post();
    }

    void setText(Table& table, std::size_t field, std::string_view raw) {
        scratch_.clear();
        appendCp1252AsUtf8(scratch_, trim(raw));
        table.setText(field, scratch_);
    }

    WeighingStore& store_;
    ListingObserver& observer_;
    std::string scratch_;
};

} // namespace

void parseKr20Listing(const std::string& path, WeighingStore& store, ListingObserver& observer) {
    LineReader reader(path);
    observer.progressRange(std::max<std::int64_t>(reader.countLines() - 1, 0));
    store.C = 0;
    store.ArrayCDS.resize(1);

    Kr20Reader kr20(store, observer);
    std::string_view line;
    for (;;) {
        observer.beforeLine();
        if (!reader.next(line)) {
            break;
        }
        kr20.read(line);
        observer.progressStep();
    }
    ++store.Contador;
    observer.beep();
    observer.progressReset();
}

std::string lotSummaryText(const WeighingStore& store) {
    return "ARQUIVO: " + store.S1 + "     DATA: " + store.S2 + "     HORA: " + store.S3 +
           "     QUANTIDADE: " + store.S4 + "     PESO MÉDIO: " + store.S5 + "     PESO BRUTO: " + store.S6;
}

} // namespace vezu
