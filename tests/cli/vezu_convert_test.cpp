#include <gtest/gtest.h>

#include "convert_run.hpp"

namespace {

using namespace cli_test;

TEST(VezuConvert, SummaryOfTheExamples) {
    struct Case {
        std::string arguments;
        std::string summary;
    };
    for (
        const Case& c :
        {Case{
             "--model kr10 --locale pt_BR " + examples + "/kr10-listing.txt --summary",
             "S1=NELORE P3\nS2=18/03/24\nS3=07:15\nS4=12\nS5=4934\nS6=411,2\nlots=0\nrecords=12\n"},
         Case{
             "--model kr10 --locale en_US " + examples + "/kr10-listing.txt --summary",
             "S1=NELORE P3\nS2=18/03/24\nS3=07:15\nS4=12\nS5=4934\nS6=411.2\nlots=0\nrecords=12\n"},
         Case{"--model kr20 --locale en_US " + examples + "/kr20-listing.txt --summary",
              "S1=BEZERRÃO\nS2=06/03/"
              "24\nS3=08:10\nS4=3\nS5=238.3\nS6=715.0\nlots=3\nrecords=12\n"}}) {
        const ConvertRun run = convert(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.summary) << c.arguments;
    }
}

TEST(VezuConvert, WritesTheCsvUnderTheNameGiven) {
    const fs::path out =
        fs::temp_directory_path() / ("vezu-cli-" + std::to_string(::getpid()) + ".txt");
    const ConvertRun run = convert("--model kr20 --locale pt_BR " + fixtures +
                                   "/kr20-two-lots.txt --csv " + out.string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(out, std::ios::binary);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(
        first,
        "ANIMAL;PESO;GANHO;VALOR;CAMPO 1;CAMPO 2;CAMPO 3;ARQUIVO;DATA;HORA;QUANTIDADE;PESO M\xC9"
        "DIO;PESO BRUTO;\r");
    fs::remove(out);
}

TEST(VezuConvert, FailuresPrintTheProgramsTextAfterTheFileAndExitWithOne) {
    struct Case {
        std::string arguments;
        std::string error;
    };
    const std::string noHeader = fixtures + "/kr10-no-header.txt";
    const std::string missing = fixtures + "/no-such-file.txt";
    const std::string comma = fixtures + "/kr20-comma-value.txt";
    for (const Case& c :
         {Case{"--model kr10 " + noHeader, "vezu-convert: " + noHeader + ": Arquivo inválido !\n"},
          Case{"--model kr10 " + missing, "vezu-convert: " + missing + ": Arquivo não existe !\n"},
          Case{"--model kr20 --locale pt_BR " + comma,
               "vezu-convert: " + comma + ": '1.5' is not a valid floating point value\n"},
          Case{"--model kr10 " + fixtures + "/kr10-three.txt --csv /nonexistent-folder/x.csv",
               "vezu-convert: /nonexistent-folder/x.csv: Path not found\n"}}) {
        const ConvertRun run = convert(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments;
        EXPECT_EQ(run.err, c.error) << c.arguments;
        EXPECT_EQ(run.out, "");
    }
}

TEST(VezuConvert, BadArgumentsAreUsageErrors) {
    for (const std::string arguments :
         {"", "--model kr30 x.txt", "--model kr10", "--model kr10 a.txt b.txt",
          "--model kr10 --bogus a.txt", "--model"}) {
        const ConvertRun run = convert(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find("usage: vezu-convert"), std::string::npos) << arguments;
    }
}

TEST(VezuConvert, UsageErrorsSayWhy) {
    struct Case {
        std::string arguments;
        std::string why;
    };
    for (const Case& c :
         {Case{"--model kr10 --locale xx_YY a.txt", "vezu-convert: unknown locale 'xx_YY'\n"},
          Case{"--model kr10 --capture ttyS0 --wait 0",
               "vezu-convert: --wait needs a number of seconds above 0\n"},
          Case{"--model kr10 --capture ttyS0 --wait=-3",
               "vezu-convert: --wait needs a number of seconds above 0\n"},
          Case{"--model kr10 --bogus a.txt", "vezu-convert: unknown option --bogus\n"},
          Case{"--model", "vezu-convert: --model needs a value\n"}}) {
        const ConvertRun run = convert(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments;
        EXPECT_TRUE(run.err.starts_with(c.why)) << run.err;
    }
}

TEST(VezuConvert, ConventionalCommandLine) {
    // --opt=value, "--" before the listing, and the CSV on standard output.
    const ConvertRun run =
        convert("--model=kr10 --locale=pt_BR --csv - -- " + fixtures + "/kr10-three.txt");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("Serial;ID;PESO;\r\n1;BR5500876;395;;;;;\r\n")) << run.out;
    EXPECT_FALSE(fs::exists("-"));

    const ConvertRun version = convert("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vezu-convert (Korbane Vezu 4.2)\n");
}

TEST(VezuConvert, HelpNamesTheExitStatusesOnStdout) {
    const ConvertRun run = convert("--help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("usage: vezu-convert"), std::string::npos);
    EXPECT_NE(run.out.find("  3  nothing to export"), std::string::npos);
    EXPECT_NE(run.out.find("  4  the capture was cut short"), std::string::npos);
}

TEST(VezuConvert, NothingToExportWritesNoFileAndExitsWithThree) {
    const fs::path folder =
        fs::temp_directory_path() / ("vezu-cli-none-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (const std::string& listing : {"--model kr20 " + examples + "/kr10-listing.txt",
                                       "--model kr10 " + fixtures + "/kr10-header-only.txt"}) {
        const std::string f = folder.string();
        const ConvertRun run = convert(listing + " --csv " + f + "/a.csv --xlsx " + f +
                                       "/a.xlsx --pdf " + f + "/a.pdf");
        EXPECT_EQ(run.exitCode, 3) << listing;
        EXPECT_EQ(
            run.err,
            "vezu-convert: nothing to export for --csv --xlsx --pdf: no weighing is loaded\n");
        EXPECT_TRUE(fs::is_empty(folder)) << listing;
    }
    // Without an export asked for, there is nothing to complain about.
    EXPECT_EQ(convert("--model kr10 " + fixtures + "/kr10-header-only.txt").exitCode, 0);
    fs::remove_all(folder);
}

} // namespace
