#include <gtest/gtest.h>

#include "convert_run.hpp"

namespace {

using namespace cli_test;

const std::string kStatsHeader =
    "lote\tnome\tanimais\ttotal\tmedia\tmediana\tminimo\tmaximo\tdesvio\tcv\n";
const std::string kClassesHeader = "lote\tde\tate\tanimais\tpercentual\n";
const std::string kCompareHeader = "id\tpeso_anterior\tpeso_atual\tganho\tdias\tgmd\n";

// A listing written for one test, removed after it.
class ListingFile {
public:
    ListingFile(const std::string& name, const std::string& content)
        : path_(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()) + ".txt")) {
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~ListingFile() { fs::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    fs::path path_;
};

TEST(VezuConvertTables, EachTableAfterTheSummaryWithPointDecimals) {
    const std::string kr10 = fixtures + "/kr10-three.txt";
    const ConvertRun run =
        convert("--model kr10 --locale pt_BR " + kr10 + " --summary --stats --classes=200");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string tables =
        kStatsHeader + "1\tLOTE01\t3\t807\t269.0\t395.0\t0\t412\t233.1\t86.7\n" + kClassesHeader +
        "1\t0\t200\t1\t33.3\n1\t200\t400\t1\t33.3\n1\t400\t600\t1\t33.3\n";
    EXPECT_TRUE(run.out.starts_with("S1=LOTE01\n")) << run.out;
    EXPECT_TRUE(run.out.ends_with("\nrecords=3\n" + tables)) << run.out;
}

TEST(VezuConvertTables, CompareWithAnEarlierListingOfEitherModel) {
    // 15/02/18: 18 days before lot 1 (05/03/18), 19 before lot 2 (06/03/18).
    const ListingFile earlier("vezu-earlier", "KORBANE KR-10\r\n"
                                              " A ANTES      150218 1430     3    1105\r\n"
                                              " I BR5500876           375\r\n"
                                              " I BR77                330\r\n"
                                              " I BR5500877           400\r\n");
    const std::string current = fixtures + "/kr20-two-lots.txt";
    const std::string gains = kCompareHeader + "BR5500876\t375\t395\t20\t18\t1.111\n"
                                               "BR5500877\t400\t395\t-5\t18\t-0.278\n"
                                               "0012345\t\t300\t\t\t\n"
                                               "BR77\t330\t310\t-20\t19\t-1.053\n"
                                               "BR78\t\t320\t\t\t\n";
    const ConvertRun run = convert("--model kr20 " + current + " --compare " + earlier.path() +
                                   " --compare-model kr10");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, gains);

    // Against itself, read as the loaded model by default: no day between them.
    const ConvertRun same = convert("--model kr20 " + current + " --compare=" + current);
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_TRUE(same.out.starts_with(kCompareHeader + "BR5500876\t395\t395\t0\t0\t")) << same.out;
}

TEST(VezuConvertTables, TablesCombineWithTheExports) {
    const fs::path csv = fs::temp_directory_path() / ("vezu-tables-" + std::to_string(::getpid()));
    const ConvertRun run = convert("--model kr20 --locale pt_BR " + fixtures +
                                   "/kr20-two-lots.txt --stats --csv " + csv.string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, kStatsHeader + "1\tMACHOS\t2\t790\t395.0\t395.0\t395\t395\t0.0\t0.0\n"
                                      "2\tFÊMEAS\t3\t930\t310.0\t310.0\t300\t320\t10.0\t3.2\n");
    EXPECT_TRUE(fs::exists(csv));
    fs::remove(csv);
}

TEST(VezuConvertTables, BadWidthsAndModelsAreUsageErrors) {
    struct Case {
        std::string arguments;
        std::string why;
    };
    const std::string kr10 = fixtures + "/kr10-three.txt";
    for (const Case& c : {
             Case{"--model kr10 " + kr10 + " --classes 0",
                  "vezu-convert: --classes needs a class width in kg from 1\n"},
             Case{"--model kr10 " + kr10 + " --classes=-25",
                  "vezu-convert: --classes needs a class width in kg from 1\n"},
             Case{"--model kr10 " + kr10 + " --classes 2.5",
                  "vezu-convert: --classes needs a class width in kg from 1\n"},
             Case{"--model kr10 " + kr10 + " --classes", "vezu-convert: --classes needs a value\n"},
             Case{"--model kr10 " + kr10 + " --compare " + kr10 + " --compare-model kr30",
                  "vezu-convert: unknown model 'kr30'\n"},
             Case{"--model kr10 " + kr10 + " --compare-model kr20",
                  "vezu-convert: --compare-model needs --compare\n"},
         }) {
        const ConvertRun run = convert(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_TRUE(run.err.starts_with(c.why)) << run.err;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
}

TEST(VezuConvertTables, AnEarlierListingThatDoesNotReadIsAnErrorNamingIt) {
    const std::string current = fixtures + "/kr10-three.txt";
    const std::string missing = fixtures + "/no-such-file.txt";
    const std::string noHeader = fixtures + "/kr10-no-header.txt";
    struct Case {
        std::string earlier;
        std::string error;
    };
    for (const Case& c :
         {Case{missing, "Arquivo não existe !"}, Case{noHeader, "Arquivo inválido !"}}) {
        const ConvertRun run = convert("--model kr10 " + current + " --compare " + c.earlier);
        EXPECT_EQ(run.exitCode, 1) << c.earlier;
        EXPECT_EQ(run.err, "vezu-convert: " + c.earlier + ": " + c.error + "\n");
    }
}

TEST(VezuConvertTables, HelpListsTheTables) {
    const ConvertRun run = convert("--help");
    for (const char* option :
         {"--stats", "--classes WIDTH", "--compare EARLIER", "--compare-model kr10|kr20"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

} // namespace
