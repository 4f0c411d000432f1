// vezu-convert: reads a listing as the program does and writes its exports,
// without a window.
#include <cstdio>
#include <exception>
#include <iostream>

#include "capture/capture_texts.hpp"
#include "capture/headless_capture.hpp"
#include "cli/convert_options.hpp"
#include "export/csv_writer.hpp"
#include "export/short_date.hpp"
#include "export/weighing_pdf.hpp"
#include "export/xlsx_writer.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "import/listing_file.hpp"
#include "locale/data_folder.hpp"
#include "locale/locale_settings.hpp"

namespace {

using namespace vezu;

void printSummary(const WeighingStore& store, Model model) {
    std::size_t records = 0;
    std::int32_t lots = 0;
    if (model == Model::Kr10) {
        records = store.CDS1().recordCount();
    } else {
        lots = store.C();
        for (std::int32_t n = 1; n <= store.C(); ++n) {
            records += store.lot(n).recordCount();
        }
    }
    std::cout << "S1=" << store.S1() << "\nS2=" << store.S2() << "\nS3=" << store.S3()
              << "\nS4=" << store.S4() << "\nS5=" << store.S5() << "\nS6=" << store.S6()
              << "\nlots=" << lots << "\nrecords=" << records << "\n";
}

int run(const ConvertOptions& options) {
    const FormatSettings fs = formatSettingsForLocale(options.locale);
    WeighingStore store;
    ListingObserver quiet;
    std::string listing = options.listing;
    if (options.capturePort) {
        CaptureSession session(options.captureFile.value_or(dataFolder() + std::string(kCaptureFileName)));
        captureListing(*options.capturePort, options.waitSeconds, session);
        listing = session.captureFile();
    }
    ensureListingExists(listing);
    if (options.model == Model::Kr10) {
        parseKr10Listing(listing, store, fs, quiet);
    } else {
        parseKr20Listing(listing, store, quiet);
    }
    if (options.summary) {
        printSummary(store, options.model);
    }
    if (options.csv) {
        if (options.model == Model::Kr10) {
            writeKr10Csv(store.CDS1(), *options.csv, fs);
        } else {
            writeKr20Csv(store, *options.csv, fs);
        }
    }
    if (options.xlsx) {
        if (options.model == Model::Kr10) {
            writeWorkbook(kr10SheetPlan(store, fs), *options.xlsx);
        } else {
            writeWorkbook(kr20SheetPlan(store, fs, localToday()), *options.xlsx);
        }
    }
    if (options.pdf) {
        if (options.layout) {
            ensureListingExists(*options.layout);
        }
        if (options.model == Model::Kr10) {
            writeKr10Pdf(store, options.layout, fs, *options.pdf);
        } else {
            writeKr20Pdf(store, options.lot, options.layout, dataFolder(), fs, *options.pdf);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(parseConvertOptions(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
}
