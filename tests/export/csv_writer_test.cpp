#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/cp1252.hpp"
#include "base/error.hpp"
#include "export/csv_writer.hpp"
#include "import/kr20_parser.hpp"
#include "support/comma_decimal.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

class CsvTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-csv-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path folder;
};

void addKr10(Table& t, std::string_view id, std::int32_t weight) {
    t.append();
    t.setText(kr10::ID, id);
    t.setInteger(kr10::PESO, weight);
    t.post();
}

TEST_F(CsvTest, Kr10NamesThreeFieldsAndWritesAllEight) {
    WeighingStore store;
    addKr10(store.CDS1(), "BR5500876", 395);
    addKr10(store.CDS1(), "Açaí", -3);
    const auto path = (folder / "kr10.csv").string();
    store.CDS1().first();
    writeKr10Csv(store.CDS1(), path, commaDecimal());
    EXPECT_EQ(read(path), "Serial;ID;PESO;\r\n1;BR5500876;395;;;;;\r\n2;A\xE7"
                          "a\xED;-3;;;;;\r\n");
    EXPECT_EQ(store.CDS1().recNo(), 0u); // writing only reads: the cursor stays
}

TEST_F(CsvTest, Kr20WritesEveryLotInOrderWithTheFixedHeader) {
    WeighingStore store;
    ListingObserver quiet;
    parseKr20Listing(std::string(VEZU_FIXTURES) + "/kr20-two-lots.txt", store, quiet);
    const auto path = (folder / "kr20.csv").string();
    writeKr20Csv(store, path, commaDecimal());
    EXPECT_EQ(
        read(path),
        "ANIMAL;PESO;GANHO;VALOR;CAMPO 1;CAMPO 2;CAMPO 3;ARQUIVO;DATA;HORA;QUANTIDADE;PESO M\xC9"
        "DIO;PESO BRUTO;\r\n"
        "BR5500876;395;120;152,75;A1;B2;C3;MACHOS;05/03/18;14:30;2;395.0;790.0\r\n"
        "BR5500877;395;98;0,5;;;;MACHOS;05/03/18;14:30;2;395.0;790.0\r\n"
        "0012345;300;10;1500,25;X;;;F\xCA"
        "MEAS;06/03/18;09:05;3;310.0;930.0\r\n"
        "BR77;310;-5;-2,5;;;Z9;F\xCA"
        "MEAS;06/03/18;09:05;3;310.0;930.0\r\n"
        "BR78;320;7;100;;;;F\xCA"
        "MEAS;06/03/18;09:05;3;310.0;930.0\r\n");
}

TEST_F(CsvTest, OnlyValuesThatWouldShiftTheRowAreQuoted) {
    WeighingStore store;
    for (std::string_view id : {"a;b", "say \"hi\"", "two\r\nlines", "plain 'ok', fine"}) {
        addKr10(store.CDS1(), id, 1);
    }
    const auto path = (folder / "q.csv").string();
    writeKr10Csv(store.CDS1(), path, commaDecimal());
    EXPECT_EQ(read(path), "Serial;ID;PESO;\r\n"
                          "1;\"a;b\";1;;;;;\r\n"
                          "2;\"say \"\"hi\"\"\";1;;;;;\r\n"
                          "3;\"two\r\nlines\";1;;;;;\r\n"
                          "4;plain 'ok', fine;1;;;;;\r\n");
}

TEST_F(CsvTest, AFailedExportLeavesThePreviousFile) {
    fs::create_directories(folder / "taken.csv");
    WeighingStore store;
    addKr10(store.CDS1(), "a", 1);
    EXPECT_THROW(writeKr10Csv(store.CDS1(), (folder / "taken.csv").string(), commaDecimal()),
                 InOutError);
    EXPECT_THROW(writeKr10Csv(store.CDS1(), (folder / "no" / "x.csv").string(), commaDecimal()),
                 InOutError);
    EXPECT_TRUE(fs::is_directory(folder / "taken.csv"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(CsvTest, EveryCodePageByteComesBackAsItWasRead) {
    // 128 bytes in three identifications, each within the field's 50 characters.
    WeighingStore store;
    std::string expected = "Serial;ID;PESO;\r\n";
    for (int first = 0x80, serial = 1; first < 0x100; first += 43, ++serial) {
        std::string id;
        for (int b = first; b < std::min(first + 43, 0x100); ++b) {
            id.push_back(static_cast<char>(b));
        }
        addKr10(store.CDS1(), cp1252ToUtf8(id), 1);
        expected += std::to_string(serial) + ";" + id + ";1;;;;;\r\n";
    }
    const auto path = (folder / "bytes.csv").string();
    writeKr10Csv(store.CDS1(), path, commaDecimal());
    EXPECT_EQ(read(path), expected);
}

TEST(CsvExtension, IsSetOnTheLastPathElement) {
    struct Case {
        const char* chosen;
        const char* written;
    };
    for (const Case c : {Case{"/d/lote", "/d/lote.csv"},
                         {"/d/lote.CSV", "/d/lote.csv"},
                         {"/d/lote.txt", "/d/lote.csv"},
                         {"/d.x/lote", "/d.x/lote.csv"},
                         {"/d/a.b.c", "/d/a.b.csv"},
                         {"lote", "lote.csv"},
                         {"/d/.hidden", "/d/.csv"}}) {
        EXPECT_EQ(withCsvExtension(c.chosen), c.written) << c.chosen;
    }
}

} // namespace
} // namespace vezu
