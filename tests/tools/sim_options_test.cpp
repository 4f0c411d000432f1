#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>

#include "sim_options.hpp"

namespace vezu::sim {
namespace {

struct SimRun {
    int status = -1;
    std::string output;
};

// The simulator itself, its standard output and exit status.
SimRun runSim(const std::string& arguments) {
    SimRun run;
    FILE* pipe =
        ::popen((std::string(INDICATOR_SIM) + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 512> chunk{};
    while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe))
        run.output.append(chunk.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(SimOptions, HelpAndVersionGoToStandardOutputAndSucceed) {
    const SimRun help = runSim("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output, kUsage);
    EXPECT_EQ(runSim("listing.txt -h").output, kUsage);
    const SimRun version = runSim("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, kVersion);
    EXPECT_NE(version.output.find("4.2"), std::string::npos);
}

TEST(SimOptions, TheUsageShowsEveryDefault) {
    const SimOptions defaults;
    for (const std::string& shown : {"(default " + std::to_string(defaults.baud) + ")",
                                     "(default " + std::to_string(defaults.burstLines) + ")",
                                     "(default " + std::to_string(defaults.pause.count()) + ")",
                                     "(default " + std::to_string(defaults.linger.count()) + ")"})
        EXPECT_NE(std::string(kUsage).find(shown), std::string::npos) << shown;
}

struct Refusal {
    std::vector<std::string> arguments;
    const char* message;
};

class SimOptionsRefused : public ::testing::TestWithParam<Refusal> {};

TEST_P(SimOptionsRefused, WithAMessage) {
    try {
        parseSimOptions(GetParam().arguments);
        ADD_FAILURE() << "accepted";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Each, SimOptionsRefused,
    ::testing::Values(Refusal{{"--speed", "9600", "l.txt"}, "unknown option --speed"},
                      Refusal{{"l.txt", "--verbose"}, "unknown option --verbose"},
                      Refusal{{"l.txt", "--baud"}, "--baud needs a value"},
                      Refusal{{"--baud", "fast", "l.txt"},
                              "--baud needs a whole number, not \"fast\""},
                      Refusal{{"a.txt", "b.txt"}, "only one listing can be played"},
                      Refusal{{}, "no listing given"}));

TEST(SimOptions, AnUnknownOptionEndsWithTheUsageError) {
    EXPECT_EQ(runSim("--speed 9600 listing.txt").status, 2);
}

TEST(SimOptions, ValuesAreTaken) {
    const SimOptions options =
        parseSimOptions({"--device", "/dev/ttyUSB0", "--baud", "0", "--burst-lines", "3", "--pause",
                         "20", "--linger", "0", "l.txt"});
    EXPECT_EQ(options.action, SimOptions::Action::play);
    EXPECT_EQ(options.listing, "l.txt");
    EXPECT_EQ(options.device, "/dev/ttyUSB0");
    EXPECT_EQ(options.baud, 0u);
    EXPECT_EQ(options.burstLines, 3u);
    EXPECT_EQ(options.pause.count(), 20);
    EXPECT_EQ(options.linger.count(), 0);
}

} // namespace
} // namespace vezu::sim
