#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "convert_run.hpp"
#include "pty.hpp"

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
    EXPECT_NE(run.out.find("[--no-archive]"), std::string::npos);
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

// A fresh account: HOME is a new empty folder, so the data folder is missing.
class VezuConvertCapture : public ::testing::Test {
protected:
    void SetUp() override {
        home = fs::temp_directory_path() / ("vezu-cli-home-" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home);
    }
    void TearDown() override { fs::remove_all(home); }

    fs::path korbane() const { return home / "Documents" / "Korbane"; }
    std::vector<fs::path> archived() const {
        std::vector<fs::path> files;
        if (fs::exists(korbane() / "Pesagens")) {
            for (const auto& entry : fs::directory_iterator(korbane() / "Pesagens")) {
                files.push_back(entry.path());
            }
        }
        return files;
    }

    // Plays the indicator: once vezu-convert has the port open, sends the
    // bytes, then hangs up or stays until the run ends.
    ConvertRun captureWith(const std::string& bytes, bool hangUp, const std::string& arguments) {
        vezu::serial::test::Pty pty;
        std::atomic<bool> done{false};
        std::thread indicator([&] {
            vezu::serial::test::eventually([&] { return done || openedByAnother(pty.slavePath()); },
                                           std::chrono::minutes(2));
            // The port empties its buffers while it sets itself up after the open.
            std::this_thread::sleep_for(std::chrono::seconds(1));
            pty.send(bytes);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            if (hangUp) {
                pty.closeMaster();
            }
            while (!done) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
        const ConvertRun run = convert("--capture " + pty.slavePath() + " " + arguments);
        done = true;
        indicator.join();
        return run;
    }

    static bool openedByAnother(const std::string& device) {
        std::error_code ignored;
        const std::string self = std::to_string(::getpid());
        for (const auto& process : fs::directory_iterator("/proc", ignored)) {
            if (process.path().filename() == self) {
                continue;
            }
            for (const auto& fd : fs::directory_iterator(process.path() / "fd", ignored)) {
                if (fs::read_symlink(fd.path(), ignored) == device) {
                    return true;
                }
            }
        }
        return false;
    }

    ConvertRun convert(const std::string& arguments) const {
        return ::convert("--model kr10 " + arguments,
                         "HOME=" + home.string() +
                             " XDG_CONFIG_HOME=" + (home / ".config").string() + " ");
    }

    fs::path home;
};

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::string kDisconnected =
    "O indicador foi desconectado durante a recepção: a listagem pode estar incompleta.";

// The indicator hangs up: the capture ends at once (not after its minute of
// silence), keeps the file and a dated copy, writes what it can and exits 4.
TEST_F(VezuConvertCapture, AVanishedIndicatorKeepsTheCaptureAndExitsWithFour) {
    const std::string listing = contents(fixtures + "/kr10-three.txt");
    const ConvertRun run = captureWith(listing, true, "--wait 60 --summary");
    EXPECT_EQ(run.exitCode, 4) << run.err;
    EXPECT_NE(run.err.find(kDisconnected), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("records=3"), std::string::npos) << run.out;
    EXPECT_EQ(contents(korbane() / "Vezu.txt"), listing + "\r\n");
    const auto copies = archived();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].filename().string().rfind("Captura ", 0), 0u);
    EXPECT_EQ(contents(copies[0]), listing + "\r\n");
}

TEST_F(VezuConvertCapture, AParserFailingOnTheCutOffListingPrintsBothMessages) {
    const std::string listing = contents(fixtures + "/kr10-bad-weight.txt");
    const ConvertRun run = captureWith(listing, true, "--wait 60");
    EXPECT_EQ(run.exitCode, 4) << run.err;
    const auto disconnected = run.err.find(kDisconnected);
    ASSERT_NE(disconnected, std::string::npos) << run.err;
    EXPECT_NE(run.err.find("39x5", disconnected), std::string::npos) << run.err;
    EXPECT_EQ(contents(korbane() / "Vezu.txt"), listing + "\r\n");
}

// The line falls silent instead: a whole capture, exit 0, and --no-archive
// keeps no copy while the data folder is still made for the capture file.
TEST_F(VezuConvertCapture, NoArchiveKeepsNoCopy) {
    const std::string listing = contents(fixtures + "/kr10-three.txt");
    const ConvertRun run = captureWith(listing, false, "--wait 2 --no-archive --summary");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(contents(korbane() / "Vezu.txt"), listing + "\r\n");
    EXPECT_TRUE(archived().empty());
}

TEST_F(VezuConvertCapture, APortThatDoesNotOpenSaysWhy) {
    const ConvertRun run = convert("--capture /dev/vezu-no-such-port --wait 1");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Não foi possível abrir comunicação, verifique configuração.\n"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("não existe"), std::string::npos) << run.err;
}

} // namespace
