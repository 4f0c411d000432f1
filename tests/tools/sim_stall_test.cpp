#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "pty_sink.hpp"

namespace vezu::sim {
namespace {

using namespace std::chrono_literals;

// A receiver that opens the line and then never reads: the send must end.
TEST(PtySinkStall, AReceiverThatStopsReadingEndsTheSend) {
    PtySink sink(300ms);
    const int receiver = ::open(sink.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(receiver, 0);
    termios raw{};
    ::tcgetattr(receiver, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(receiver, TCSANOW, &raw);
    try {
        sink.send(std::string(1 << 20, 'x'));
        ADD_FAILURE() << "a megabyte went into a line nobody reads";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "the receiver has taken no byte for 300 ms; stopping");
    }
    ::close(receiver);
}

TEST(PtySinkStall, AReceiverThatReadsGetsEverything) {
    PtySink sink(300ms);
    const int receiver = ::open(sink.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(receiver, 0);
    termios raw{};
    ::tcgetattr(receiver, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(receiver, TCSANOW, &raw);
    const std::string listing(200'000, 'y');
    std::string received;
    std::thread reader([&] {
        char chunk[4096];
        while (received.size() < listing.size()) {
            const ssize_t n = ::read(receiver, chunk, sizeof chunk);
            if (n <= 0)
                break;
            received.append(chunk, static_cast<std::size_t>(n));
        }
    });
    sink.send(listing);
    reader.join();
    EXPECT_EQ(received, listing);
    ::close(receiver);
}

// The program: its own five seconds, then a message and status 1.
TEST(IndicatorSimStall, EndsByItselfWhenTheReceiverStopsReading) {
    const std::string listing = ::testing::TempDir() + "vezu-sim-stall.txt";
    {
        FILE* file = std::fopen(listing.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string line = "0001  452,5\r\n";
        for (int i = 0; i < 100'000; ++i)
            std::fwrite(line.data(), 1, line.size(), file);
        std::fclose(file);
    }
    FILE* sim = ::popen((std::string(INDICATOR_SIM) + " --baud 0 " + listing).c_str(), "r");
    ASSERT_NE(sim, nullptr);
    char path[256] = {};
    ASSERT_NE(std::fgets(path, sizeof path, sim), nullptr);
    std::string slave(path);
    slave.erase(slave.find_last_not_of('\n') + 1);
    const int receiver = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(receiver, 0) << slave;
    termios raw{};
    ::tcgetattr(receiver, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(receiver, TCSANOW, &raw);
    const int status = ::pclose(sim);
    ::close(receiver);
    std::remove(listing.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

} // namespace
} // namespace vezu::sim
