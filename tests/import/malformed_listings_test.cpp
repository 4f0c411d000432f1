// A catalogue of damaged and unusual listings: each must end in the exact
// error text or in the tables listed, never in a crash or a hang.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

#include "base/error.hpp"
#include "import/kr10_parser.hpp"
#include "import/kr20_parser.hpp"
#include "listing_files.hpp"

namespace vezu {
namespace {

enum class Model { Kr10, Kr20 };

struct Loaded {
    std::int32_t lots = 0;
    std::size_t records = 0;
    std::string S1;
};

struct Case {
    const char* name;
    Model model;
    std::function<std::string()> bytes; // the listing's content
    std::string error;                  // expected error text, or empty
    Loaded loaded;                      // expected tables when no error
    const char* path = nullptr;         // read this path instead of the bytes
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

// KR-10 lines.
std::string rightAligned(const std::string& text, std::size_t width) {
    return std::string(width - std::min(width, text.size()), ' ') + text;
}
std::string header(const std::string& name = "LOTE01", const std::string& count = "25",
                   const std::string& gross = "9850") {
    return lineWith({{2, "A"},
                     {4, name},
                     {15, "050318"},
                     {22, "1430"},
                     {27, rightAligned(count, 5)},
                     {34, rightAligned(gross, 6)}});
}
std::string item(const std::string& id = "BR5500876", const std::string& weight = "395") {
    return lineWith({{2, "I"}, {4, id}, {21, rightAligned(weight, 6)}});
}

// KR-20 lines.
std::string lot(const std::string& name = "MACHOS") {
    return lineWith({{1, "|LOTE:"}, {8, name}, {30, "05/03/18"}, {55, "14:30"}});
}
std::string animal(const std::string& weight = "395", const std::string& gain = "120",
                   const std::string& value = "152.75", const std::string& id = "BR5500876") {
    return lineWith({{1, "|"}, {4, id}, {30, weight}, {60, gain}, {68, value}, {78, "|"}});
}
std::string summary(const std::string& count = "1") {
    return lineWith({{1, "|QTD.:"}, {7, count}, {30, "395.0"}, {53, "395.0"}});
}

std::string lines(std::initializer_list<std::string> all, const char* end = "\r\n") {
    std::string out;
    for (const auto& l : all) {
        out += l + end;
    }
    return out;
}

std::string junk(std::size_t size) {
    std::mt19937 random(7);
    std::string out(size, '\0');
    for (char& c : out) {
        c = static_cast<char>(random() & 0xFF);
    }
    return out;
}

std::string manyLots(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += lot("L" + std::to_string(i)) + "\r\n" + animal() + "\r\n" + summary() + "\r\n";
    }
    return out;
}

const std::string kInvalid = "Arquivo inválido !";

std::vector<Case> catalogue() {
    using M = Model;
    return {
        // Not a listing at all.
        {"kr10_binary_junk",
         M::Kr10,
         [] { return junk(64 * 1024); },
         "'d24\u00A0q}' is not a valid integer value",
         {}}, // a junk line with an I in column 2
        {"kr20_binary_junk", M::Kr20, [] { return junk(64 * 1024); }, "", {0, 0, ""}},
        {"kr10_empty", M::Kr10, [] { return std::string(); }, kInvalid, {}},
        {"kr20_empty", M::Kr20, [] { return std::string(); }, "", {0, 0, ""}},
        {"kr10_only_line_ends", M::Kr10, [] { return std::string("\r\n\r\n\n"); }, kInvalid, {}},
        // A byte order mark shifts the first line out of its columns.
        {"kr10_utf8_byte_order_mark",
         M::Kr10,
         [] {
             return "\xEF\xBB\xBF" + lines({header(), item()});
         },
         kInvalid,
         {}},
        {"kr20_utf8_byte_order_mark",
         M::Kr20,
         [] {
             return "\xEF\xBB\xBF" + lines({lot(), animal()});
         },
         kInvalid,
         {}},
        {"kr10_end_of_file_character",
         M::Kr10,
         [] {
             return lines({header(), item(), "\x1A"});
         },
         "",
         {0, 1, "LOTE01"}},
        // Control and odd bytes inside fields.
        {"kr10_nul_bytes_in_the_name",
         M::Kr10,
         [] {
             return lines({header(std::string("LO\0E", 4)), item(std::string("B\0R", 3))});
         },
         "",
         {0, 1, std::string("LO\0E", 4)}},
        {"kr10_unassigned_code_page_bytes",
         M::Kr10,
         [] {
             return lines({header("\x81\x8D\x8F\x90\x9D"), item("\x81\x8D\x8F\x90\x9D")});
         },
         "",
         {0, 1, "\u0081\u008D\u008F\u0090\u009D"}},
        {"kr10_tabs_around_fields",
         M::Kr10,
         [] {
             return lines({header("\tLOTE\t"), item("\tX\t", "\t7")});
         },
         "",
         {0, 1, "LOTE"}},
        {"kr20_accented_fields",
         M::Kr20,
         [] {
             return lines({lot("BEZERR\xC3O"),
                           animal("1", "2", "3", "\xC7\xC3\xC9\xCD\xD3\xDA\xC2\xCA\xD4\xC0\xDC")});
         },
         "",
         {1, 1, "BEZERRÃO"}},
        // Very long lines and many lots.
        {"kr10_ten_megabyte_line",
         M::Kr10,
         [] { return header() + std::string(10 << 20, 'x') + "\r\n"; },
         "",
         {0, 0, "LOTE01"}},
        {"kr20_ten_megabyte_row",
         M::Kr20,
         [] { return lot() + "\r\n" + animal() + std::string(10 << 20, ' '); },
         "",
         {1, 1, "MACHOS"}},
        {"kr20_thousands_of_lots",
         M::Kr20,
         [] { return manyLots(3000); },
         "",
         {3000, 3000, "L2999"}},
        {"kr20_lot_without_a_name",
         M::Kr20,
         [] {
             return lines({"|LOTE:", animal()});
         },
         "",
         {1, 1, ""}},
        // Line ends.
        {"kr10_carriage_returns_only",
         M::Kr10,
         [] {
             return lines({header(), item(), item()}, "\r");
         },
         "",
         {0, 0, "LOTE01"}}, // one long line: the header's fields, no item
        {"kr20_carriage_returns_only",
         M::Kr20,
         [] {
             return lines({lot(), animal()}, "\r");
         },
         "",
         {1, 0, "MACHOS"}}, // one lot line; the row never starts a line
        {"kr10_line_feeds_only",
         M::Kr10,
         [] {
             return lines({header(), item()}, "\n");
         },
         "",
         {0, 1, "LOTE01"}},
        // Lines cut at field boundaries.
        {"kr10_header_cut_before_the_count",
         M::Kr10,
         [] { return lines({header().substr(0, 26)}); },
         "'' is not a valid floating point value",
         {}},
        {"kr10_header_cut_inside_the_gross_weight",
         M::Kr10,
         [] { return lines({header().substr(0, 36)}); },
         "",
         {0, 0, "LOTE01"}},
        {"kr10_item_cut_before_the_weight",
         M::Kr10,
         [] {
             return lines({header(), item().substr(0, 20)});
         },
         "'' is not a valid integer value",
         {}},
        {"kr10_item_cut_inside_the_weight",
         M::Kr10,
         [] {
             return lines({header(), item().substr(0, 24)});
         },
         "",
         {0, 1, "LOTE01"}},
        {"kr20_row_cut_before_the_gain",
         M::Kr20,
         [] {
             return lines({lot(), animal().substr(0, 59)});
         },
         "'' is not a valid integer value",
         {}},
        {"kr20_row_cut_before_the_value",
         M::Kr20,
         [] {
             return lines({lot(), animal().substr(0, 67)});
         },
         "'' is not a valid floating point value",
         {}},
        {"kr20_row_of_a_single_bar",
         M::Kr20,
         [] {
             return lines({lot(), "|"});
         },
         "'' is not a valid integer value",
         {}},
        // Signs, exponents and sizes in the numeric fields.
        {"kr10_signed_weights",
         M::Kr10,
         [] {
             return lines({header(), item("A", "+395"), item("B", "-12")});
         },
         "",
         {0, 2, "LOTE01"}},
        {"kr10_exponent_in_the_weight",
         M::Kr10,
         [] {
             return lines({header(), item("A", "3e2")});
         },
         "'3e2' is not a valid integer value",
         {}},
        {"kr10_exponent_in_the_count",
         M::Kr10,
         [] {
             return lines({header("L", "1E1"), item()});
         },
         "",
         {0, 1, "L"}},
        {"kr10_negative_count",
         M::Kr10,
         [] {
             return lines({header("L", "-25"), item()});
         },
         "",
         {0, 1, "L"}},
        {"kr10_widest_weight",
         M::Kr10,
         [] {
             return lines({header(), item("A", "999999")});
         },
         "",
         {0, 1, "LOTE01"}},
        {"kr20_signed_and_exponent_values",
         M::Kr20,
         [] {
             return lines({lot(), animal("+1", "-1", "+1.5"), animal("1", "1", "-1.5e-1"),
                           animal("1", "1", "1E2")});
         },
         "",
         {1, 3, "MACHOS"}},
        {"kr20_exponent_in_the_gain",
         M::Kr20,
         [] {
             return lines({lot(), animal("1", "5e1")});
         },
         "'5e1' is not a valid integer value",
         {}},
        {"kr20_grouped_value",
         M::Kr20,
         [] {
             return lines({lot(), animal("1", "1", "1,234.5")});
         },
         "'1.234,5' is not a valid floating point value",
         {}},
        {"kr20_value_beyond_the_currency_range",
         M::Kr20,
         [] {
             return lines({lot(), animal("1", "1", "9e99")});
         },
         "Invalid floating point operation",
         {}},
        // Line kinds that look alike.
        {"kr20_lower_case_lot_line",
         M::Kr20,
         [] {
             return lines({lot(), "|lote: X"});
         },
         "'' is not a valid integer value",
         {}},
        {"kr20_lower_case_heading",
         M::Kr20,
         [] {
             return lines({lot(), "|    identificacao"});
         },
         "'' is not a valid integer value",
         {}},
        {"kr20_marked_row_with_junk",
         M::Kr20,
         [] {
             return lines({lot(), lineWith({{1, "|"}, {21, "(-)"}, {30, "??"}})});
         },
         "",
         {1, 0, "MACHOS"}},
        {"kr20_summary_without_numbers",
         M::Kr20,
         [] {
             return lines({lot(), "|QTD.:"});
         },
         "",
         {1, 0, "MACHOS"}},
        {"kr20_row_before_any_lot",
         M::Kr20,
         [] {
             return lines({animal(), lot()});
         },
         kInvalid,
         {}},
        // Files that are no files.
        {"kr10_a_folder", M::Kr10, {}, "File access denied", {}, VEZU_FIXTURES},
        {"kr20_a_folder", M::Kr20, {}, "File access denied", {}, VEZU_FIXTURES},
        {"kr10_a_file_that_cannot_be_read", M::Kr10, {}, "I/O error 5", {}, "/proc/self/mem"},
        {"kr20_a_missing_file", M::Kr20, {}, "File not found", {}, "/nonexistent/listing.txt"},
    };
}

class MalformedListings : public ::testing::TestWithParam<Case> {};

TEST_P(MalformedListings, EndAsExpected) {
    const Case& c = GetParam();
    std::unique_ptr<TemporaryListing> file;
    std::string path = c.path ? c.path : "";
    if (!c.path) {
        file = std::make_unique<TemporaryListing>(c.bytes());
        path = file->path();
    }
    FormatSettings fs;
    fs.decimalSeparator = ",";
    WeighingStore store;
    ListingObserver quiet;
    std::string error;
    try {
        if (c.model == Model::Kr10) {
            parseKr10Listing(path, store, fs, quiet);
        } else {
            parseKr20Listing(path, store, quiet);
        }
    } catch (const Error& e) {
        error = e.what();
    }
    EXPECT_EQ(error, c.error);
    if (!c.error.empty()) {
        return;
    }
    std::size_t records = store.CDS1().recordCount();
    for (std::int32_t n = 1; n <= store.C(); ++n) {
        records += store.lot(n).recordCount();
    }
    EXPECT_EQ(store.C(), c.loaded.lots);
    EXPECT_EQ(records, c.loaded.records);
    EXPECT_EQ(store.S1(), c.loaded.S1);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, MalformedListings, ::testing::ValuesIn(catalogue()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vezu
