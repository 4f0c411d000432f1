#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/error.hpp"
#include "capture/capture_session.hpp"
#include "capture/capture_texts.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CaptureSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-capture-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

// Recebido only when bytes were appended: a delivery may announce bytes and
// read none.
TEST_F(CaptureSessionTest, FileHoldsTheBytesAsTheyCameAndALineBreak) {
    struct Case {
        std::vector<std::string> deliveries;
        std::string file;
        bool recebido;
    };
    std::string everyByte;
    for (int b = 1; b < 256; ++b) {
        everyByte.push_back(static_cast<char>(b));
    }
    for (const Case& c : {Case{{"ab", "c\r\n"}, "abc\r\n\r\n", true}, Case{{}, "\r\n", false},
                          Case{{everyByte}, everyByte + "\r\n", true},
                          Case{{std::string("\0x", 2)}, std::string("\0x\r\n", 4), true},
                          Case{{"", ""}, "\r\n", false}, Case{{"", "a"}, "a\r\n", true}}) {
        CaptureSession session((folder / "Vezu.txt").string());
        for (const auto& bytes : c.deliveries) {
            session.received(bytes);
        }
        EXPECT_EQ(session.Recebido(), c.recebido) << c.file;
        session.writeCaptureFile();
        EXPECT_EQ(read(folder / "Vezu.txt"), c.file);
        EXPECT_EQ(session.AuxText(), "");
    }
}

TEST_F(CaptureSessionTest, AFailedWriteKeepsWhatArrived) {
    CaptureSession session((folder / "missing" / "Vezu.txt").string());
    session.received("listing");
    EXPECT_THROW(session.writeCaptureFile(), InOutError);
    EXPECT_EQ(session.AuxText(), "listing");
    session.reset();
    EXPECT_FALSE(session.Recebido());
    EXPECT_EQ(session.AuxText(), "");
}

TEST(CaptureWait, ZeroOrLessMeansTenSeconds) {
    EXPECT_EQ(captureWaitSeconds(0), 10);
    EXPECT_EQ(captureWaitSeconds(-5), 10);
    EXPECT_EQ(captureWaitSeconds(3), 3);
}

} // namespace
} // namespace vezu
