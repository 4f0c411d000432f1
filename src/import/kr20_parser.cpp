#include "import/kr20_parser.hpp"

#include <algorithm>

#include "base/conversions.hpp"
#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "base/text.hpp"
#include "data/store_writer.hpp"
#include "import/kr10_parser.hpp"
#include "import/line_reader.hpp"
#include "import/listing_fields.hpp"

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
    Kr20Reader(WeighingStore& store, ListingObserver& observer)
        : store_(store), writer_(store), observer_(observer) {}

    void read(std::string_view line) {
        switch (kindOf(line)) {
        case LineKind::Lot:
            readLot(line);
            break;
        case LineKind::Summary:
            readSummary(line);
            break;
        case LineKind::Animal:
            readAnimal(line);
            break;
        case LineKind::Skipped:
            break;
        }
    }

    // Each lot shows its first record as the current one.
    void showFirstRecords() {
        for (std::int32_t n = 1; n <= store_.C(); ++n) {
            store_.lot(n).first();
        }
    }

private:
    void requireLot() const {
        // A row or summary before any lot line has no lot to go to.
        if (store_.C() == 0) {
            throw Error(std::string(kInvalidListing));
        }
    }

    void readLot(std::string_view line) {
        writer_.S1() = cp1252ToUtf8(trim(slice(line, 8, 17)));
        writer_.S2() = cp1252ToUtf8(slice(line, 30, 37));
        writer_.S3() = cp1252ToUtf8(slice(line, 55, 59));
        // Until its own summary line the lot has no summary.
        for (std::string& s : lotSummary_) {
            s.clear();
        }
        const std::size_t previousRows = store_.C() > 0 ? store_.lot(store_.C()).recordCount() : 0;
        // Lots of a listing tend to be alike: room for as many rows as the last one.
        writer_.addLot().reserve(previousRows);
        observer_.kr20LotCreated(store_.C());
    }

    // The lot's rows, those read before as well, carry this summary: a summary
    // line after its rows is the lot's own, not the next lot's.
    void readSummary(std::string_view line) {
        requireLot();
        writer_.S4() = cp1252ToUtf8(trim(slice(line, 7, 10)));
        writer_.S5() = cp1252ToUtf8(trim(slice(line, 30, 37)));
        writer_.S6() = cp1252ToUtf8(trim(slice(line, 53, 60)));
        lotSummary_[0] = writer_.S4();
        lotSummary_[1] = writer_.S5();
        lotSummary_[2] = writer_.S6();
        Table& table = store_.lot(store_.C());
        table.fillText(kr20::QUANTIDADE, lotSummary_[0]);
        table.fillText(kr20::MEDIO, lotSummary_[1]);
        table.fillText(kr20::BRUTO, lotSummary_[2]);
        observer_.kr20SummaryRead(store_.C());
    }

    void readAnimal(std::string_view line) {
        requireLot();
        writer_.markRowsLoaded();
        Table& table = store_.lot(store_.C());
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
        table.setText(kr20::ARQUIVO, store_.S1());
        table.setText(kr20::DATA, store_.S2());
        table.setText(kr20::HORA, store_.S3());
        table.setText(kr20::QUANTIDADE, lotSummary_[0]);
        table.setText(kr20::MEDIO, lotSummary_[1]);
        table.setText(kr20::BRUTO, lotSummary_[2]);
        table.post();
    }

    void setText(Table& table, std::size_t field, std::string_view raw) {
        scratch_.clear();
        appendCp1252AsUtf8(scratch_, trim(raw));
        table.setText(field, scratch_);
    }

    WeighingStore& store_;
    StoreWriter writer_;
    ListingObserver& observer_;
    std::string scratch_;
    // QUANTIDADE, MEDIO, BRUTO of the lot being read.
    std::string lotSummary_[3];
};

} // namespace

void parseKr20Listing(const std::string& path, WeighingStore& store, ListingObserver& observer) {
    LineReader reader(path);
    observer.progressRange(std::max<std::int64_t>(reader.countLines() - 1, 0));
    // Lots of a listing without rows may still be there: they go, announced,
    // and the lots count from 1 again.
    if (store.C() > 0) {
        store.discardKr20();
    }
    StoreWriter(store).clearSummary();

    Kr20Reader kr20(store, observer);
    std::string_view line;
    for (;;) {
        observer.beforeLine();
        if (!reader.next(line)) {
            break;
        }
        try {
            kr20.read(line);
        } catch (...) {
            kr20.showFirstRecords();
            throw;
        }
        observer.progressStep();
    }
    kr20.showFirstRecords();
    StoreWriter(store).countListing();
    observer.beep();
    observer.progressReset();
}

std::string lotSummaryText(const WeighingStore& store) {
    return "ARQUIVO: " + store.S1() + "     DATA: " + store.S2() + "     HORA: " + store.S3() +
           "     QUANTIDADE: " + store.S4() + "     PESO MÉDIO: " + store.S5() +
           "     PESO BRUTO: " + store.S6();
}

} // namespace vezu
