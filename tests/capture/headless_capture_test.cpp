#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include "base/error.hpp"
#include "capture/capture_texts.hpp"
#include "capture/headless_capture.hpp"
#include "pty.hpp"
#include "serial/com_port.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;
using serial::test::Pty;
using namespace std::chrono_literals;

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class HeadlessCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-headless-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string captureFile() const { return (folder / "Vezu.txt").string(); }
    fs::path folder;
};

// Plays the indicator on the pty's far side: each burst after its pause.
std::thread indicator(Pty& pty,
                      std::vector<std::pair<std::chrono::milliseconds, std::string>> bursts) {
    return std::thread([&pty, bursts] {
        for (const auto& [pause, bytes] : bursts) {
            std::this_thread::sleep_for(pause);
            pty.send(bytes);
        }
    });
}

TEST_F(HeadlessCaptureTest, BurstsWithShortPausesAreCapturedWhole) {
    Pty pty;
    std::string everyByte;
    for (int b = 1; b < 256; ++b) {
        everyByte.push_back(static_cast<char>(b));
    }
    auto sender = indicator(pty, {{300ms, "|LOTE: A\r\n"}, {300ms, everyByte}, {300ms, "end\r\n"}});
    CaptureSession session(captureFile());
    const CaptureOutcome outcome = captureListing(pty.slavePath(), 2, session);
    sender.join();
    EXPECT_TRUE(outcome.received);
    EXPECT_FALSE(outcome.deviceLost);
    EXPECT_EQ(read(captureFile()), "|LOTE: A\r\n" + everyByte + "end\r\n\r\n");
}

TEST_F(HeadlessCaptureTest, ALongPauseEndsTheCapture) {
    Pty pty;
    auto sender = indicator(pty, {{200ms, "first\r\n"}, {3500ms, "late\r\n"}});
    CaptureSession session(captureFile());
    captureListing(pty.slavePath(), 1, session);
    EXPECT_EQ(read(captureFile()), "first\r\n\r\n");
    sender.join();
}

TEST_F(HeadlessCaptureTest, NothingReceivedLeavesOnlyTheLineBreak) {
    Pty pty;
    CaptureSession session(captureFile());
    EXPECT_FALSE(captureListing(pty.slavePath(), 1, session).received);
    EXPECT_EQ(read(captureFile()), "\r\n");
}

// The sending side closes mid-stream: the capture ends without waiting out
// its silence (a minute here), and the file holds a prefix of what was sent
// with nothing the port read dropped.
TEST_F(HeadlessCaptureTest, TheOtherSideVanishingKeepsWhatCame) {
    std::string listing;
    for (int line = 0; listing.size() < 30000; ++line) {
        listing += "|" + std::to_string(100000 + line) + "   412 kg\r\n";
    }
    for (const std::size_t cut : {std::size_t{15}, listing.size() / 2}) {
        Pty pty;
        std::thread sender([&pty, &listing, cut] {
            std::this_thread::sleep_for(300ms);
            for (std::size_t at = 0; at < cut; at += 512) {
                pty.send(listing.substr(at, std::min<std::size_t>(512, cut - at)));
            }
            std::this_thread::sleep_for(300ms);
            pty.closeMaster();
        });
        CaptureSession session(captureFile());
        const auto started = std::chrono::steady_clock::now();
        const CaptureOutcome outcome = captureListing(pty.slavePath(), 60, session);
        sender.join();
        EXPECT_LT(std::chrono::steady_clock::now() - started, 50s);
        EXPECT_TRUE(outcome.deviceLost);
        EXPECT_EQ(read(captureFile()), listing.substr(0, cut) + "\r\n") << cut;
    }
}

TEST_F(HeadlessCaptureTest, CapturesInARowReuseTheFile) {
    Pty pty;
    for (int i = 0; i < 10; ++i) {
        const std::string listing = "listing " + std::to_string(i) + "\r\n";
        auto sender = indicator(pty, {{200ms, listing}});
        CaptureSession session(captureFile());
        captureListing(pty.slavePath(), 1, session);
        sender.join();
        EXPECT_EQ(read(captureFile()), listing + "\r\n");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(HeadlessCaptureTest, APortThatDoesNotOpenIsReported) {
    Pty pty;
    serial::TComPort holder; // another program already has the port
    holder.SetPort(pty.slavePath());
    holder.SetConnected(true);
    for (const std::string& port : {std::string("/dev/vezu-no-such-port"), pty.slavePath()}) {
        CaptureSession session(captureFile());
        try {
            captureListing(port, 1, session);
            ADD_FAILURE() << port;
        } catch (const Error& e) {
            // The window's text, and why on a second line.
            const std::string text = e.what();
            EXPECT_EQ(text.substr(0, text.find('\n')), std::string(kCannotOpenPort)) << port;
            EXPECT_NE(text.find('\n'), std::string::npos) << port;
        }
        EXPECT_FALSE(fs::exists(captureFile()));
    }
}

} // namespace
} // namespace vezu
