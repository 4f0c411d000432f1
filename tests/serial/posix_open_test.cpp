#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "pty.hpp"
#include "serial/platform/posix_port_holders.hpp"
#include "serial/platform/posix_uucp_lock.hpp"
#include "serial/platform/serial_device.hpp"

namespace vezu::serial::test {
namespace {

using namespace platform;
namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string tenColumns(int pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", pid);
    return text;
}

// The pid of a process that has already ended.
int deadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A lock folder of the test's own, since /run/lock may not be writable.
class LockedPort : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-lock-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        setLockFolder(folder.string());
        lockFile = folder / UucpLock::fileName(pty.slavePath());
    }
    void TearDown() override {
        setLockFolder("/run/lock");
        fs::remove_all(folder);
    }

    Pty pty;
    fs::path folder;
    fs::path lockFile;
};

TEST(UucpLockName, TheDeviceNameAfterDev) {
    EXPECT_EQ(UucpLock::fileName("/dev/ttyUSB0"), "LCK..ttyUSB0");
    EXPECT_EQ(UucpLock::fileName("/dev/pts/3"), "LCK..pts_3");
    EXPECT_EQ(UucpLock::fileName("/tmp/ttyV0"), "LCK..ttyV0");
}

TEST_F(LockedPort, OursExistsWhileThePortIsOpenAndGoesWithIt) {
    auto opened = openSerialDevice(pty.slavePath());
    ASSERT_NE(opened.device, nullptr) << opened.error;
    EXPECT_EQ(readFile(lockFile), tenColumns(::getpid()));
    EXPECT_EQ(openSerialDevice(pty.slavePath()).error, EBUSY);
    opened.device->close();
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(LockedPort, ALockOfALiveProcessRefusesThePortAndStays) {
    // Process 1 is always there.
    writeFile(lockFile, tenColumns(1));
    const OpenResult opened = openSerialDevice(pty.slavePath());
    EXPECT_EQ(opened.device, nullptr);
    EXPECT_EQ(opened.error, EBUSY);
    EXPECT_EQ(opened.holder.pid, 1);
    EXPECT_EQ(opened.holder.program, programName(1));
    EXPECT_EQ(readFile(lockFile), tenColumns(1));
}

TEST_F(LockedPort, AStaleLockIsReplacedByOurs) {
    const std::string stale[] = {tenColumns(deadPid()), "garbage\n", ""};
    for (const std::string& content : stale) {
        SCOPED_TRACE(content);
        writeFile(lockFile, content);
        auto opened = openSerialDevice(pty.slavePath());
        ASSERT_NE(opened.device, nullptr) << opened.error;
        EXPECT_EQ(readFile(lockFile), tenColumns(::getpid()));
        opened.device->close();
        EXPECT_FALSE(fs::exists(lockFile));
    }
}

TEST_F(LockedPort, ALockStillHeldAtExitIsRemoved) {
    const pid_t child = ::fork();
    if (child == 0) {
        // Leaked on purpose: the port is never closed.
        auto* opened = new OpenResult(openSerialDevice(pty.slavePath()));
        const bool locked = opened->device && fs::exists(lockFile);
        std::exit(locked ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the child had no lock while it held the port";
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST_F(LockedPort, AnUnwritableLockFolderStillOpens) {
    setLockFolder((folder / "missing").string());
    auto opened = openSerialDevice(pty.slavePath());
    EXPECT_NE(opened.device, nullptr) << opened.error;
}

// Another program reading the line, as a terminal left open on it would.
TEST(PortHolders, AnotherOpenerIsFoundWithItsNameAndPid) {
    Pty pty;
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY);
        ::dup2(fd, 0);
        ::execlp("sleep", "sleep", "60", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_TRUE(eventually([&] {
        const auto holder = otherOpener(pty.slavePath());
        return holder && holder->program == "sleep";
    }));
    const OpenResult opened = openSerialDevice(pty.slavePath());
    EXPECT_EQ(opened.device, nullptr);
    EXPECT_EQ(opened.error, EBUSY);
    EXPECT_EQ(opened.holder.pid, child);
    EXPECT_EQ(opened.holder.program, "sleep");

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    auto free = openSerialDevice(pty.slavePath());
    EXPECT_NE(free.device, nullptr) << free.error;
}

} // namespace
} // namespace vezu::serial::test
