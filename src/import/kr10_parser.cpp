#include "import/kr10_parser.hpp"

#include <algorithm>
#include <cmath>

#include "base/conversions.hpp"
#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "base/number_format.hpp"
#include "base/text.hpp"
#include "data/store_writer.hpp"
#include "import/line_reader.hpp"
#include "import/listing_fields.hpp"

namespace vezu {
namespace {

bool isHeader(std::string_view line) {
    return slice(line, 1, 2) == " A";
}
bool isItem(std::string_view line) {
    return line.size() >= 2 && line[1] == 'I';
}

// The quotient of two finite numbers can still be too large for a double.
double average(double gross, double animals) {
    const double quotient = divide(gross, animals);
    if (std::isinf(quotient)) {
        throw MathError(std::string(kFloatOverflow));
    }
    return quotient;
}

void readHeader(std::string_view line, StoreWriter& store, const FormatSettings& fs) {
    store.S1() = cp1252ToUtf8(trim(slice(line, 4, 13)));
    store.S2() = cp1252ToUtf8(slice(line, 15, 16)) + "/" + cp1252ToUtf8(slice(line, 17, 18)) + "/" +
                 cp1252ToUtf8(slice(line, 19, 20));
    store.S3() = cp1252ToUtf8(slice(line, 22, 23)) + ":" + cp1252ToUtf8(slice(line, 24, 25));
    store.S4() = cp1252ToUtf8(trim(slice(line, 27, 31)));
    store.S5() = cp1252ToUtf8(trim(slice(line, 34, 39)));
    const double gross = StrToFloat(store.S5(), fs);
    const double animals = StrToFloat(store.S4(), fs);
    store.S6() = formatGroupedOneDecimal(average(gross, animals), fs);
}

void readItem(std::string_view line, Table& table, std::string& scratch) {
    const std::int32_t weight = readListingInteger(slice(line, 21, 26));
    scratch.clear();
    appendCp1252AsUtf8(scratch, trim(slice(line, 4, 14)));
    table.open();
    table.append();
    table.setText(kr10::ID, scratch);
    table.setInteger(kr10::PESO, weight);
    table.post();
    table.close();
}

} // namespace

void parseKr10Listing(const std::string& path, WeighingStore& store, const FormatSettings& fs,
                      ListingObserver& observer) {
    LineReader reader(path);
    observer.progressRange(std::max<std::int64_t>(reader.countLines() - 1, 0));

    StoreWriter writer(store);
    writer.clearSummary();
    Table& table = store.CDS1();
    bool headerSeen = false;
    std::string scratch;
    std::string_view line;
    for (;;) {
        observer.beforeLine();
        if (!reader.next(line)) {
            break;
        }
        if (isHeader(line)) {
            headerSeen = true;
            readHeader(line, writer, fs);
        }
        if (isItem(line)) {
            readItem(line, table, scratch);
        }
        observer.progressStep();
    }
    table.open();
    if (!headerSeen) {
        table.empty();
        observer.progressReset();
        throw Error(std::string(kInvalidListing));
    }
    observer.kr10ListingRead();
    writer.countListing();
    observer.beep();
    observer.progressReset();
    table.first();
}

} // namespace vezu
