#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/atomic_file.hpp"
#include "base/error.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-atomic-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(AtomicFileTest, ReplacesTheTargetOnlyOnCommit) {
    const auto target = folder / "out.csv";
    std::ofstream(target) << "old";
    {
        AtomicFileWriter writer(target.string());
        writer.write("new");
        EXPECT_EQ(read(target), "old");
        writer.commit();
    }
    EXPECT_EQ(read(target), "new");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, AbandonedWriteLeavesTheOldFileAndNoLitter) {
    const auto target = folder / "out.csv";
    std::ofstream(target) << "old";
    {
        AtomicFileWriter writer(target.string());
        writer.write("half");
    }
    EXPECT_EQ(read(target), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, FailuresAreInOutErrors) {
    EXPECT_THROW(AtomicFileWriter((folder / "missing" / "x.csv").string()), InOutError);
    fs::create_directories(folder / "dir.csv");
    AtomicFileWriter writer((folder / "dir.csv").string());
    writer.write("x");
    EXPECT_THROW(writer.commit(), InOutError);
    EXPECT_TRUE(fs::is_directory(folder / "dir.csv"));
    EXPECT_EQ(entries(), 1u);
}

} // namespace
} // namespace vezu
