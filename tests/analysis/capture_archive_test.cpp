#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "analysis/capture_archive.hpp"
#include "base/error.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class ArchiveFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vezu-archive-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string folderText() const { return folder.string() + "/"; }

    fs::path folder;
    const LocalDateTime when{2026, 3, 5, 9, 7, 4};
};

TEST(CaptureArchiveName, LocalDateAndTimeWithoutCharactersWindowsRefuses) {
    const std::vector<std::pair<LocalDateTime, std::string>> cases{
        {{2026, 3, 5, 9, 7, 4}, "Captura 2026-03-05 09-07-04"},
        {{2026, 12, 31, 23, 59, 59}, "Captura 2026-12-31 23-59-59"},
        {{987, 1, 1, 0, 0, 0}, "Captura 0987-01-01 00-00-00"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const std::string name = captureArchiveName(cases[i].first);
        EXPECT_EQ(name, cases[i].second);
        EXPECT_EQ(name.find_first_of("<>:\"/\\|?*"), std::string::npos);
    }
}

TEST_F(ArchiveFolder, ByteForByteUnderAFreeName) {
    const std::string bytes("KORBANE\r\n\xC9\x00\xFF\r\n", 13);
    const std::string first = archiveCapture(folderText(), when, bytes);
    EXPECT_EQ(first, folderText() + "Captura 2026-03-05 09-07-04.txt");
    EXPECT_EQ(contentOf(first), bytes);

    // A folder given without its slash; the names already taken stay as they were.
    const std::string second = archiveCapture(folder.string(), when, "dois");
    const std::string third = archiveCapture(folder.string(), when, "três");
    EXPECT_EQ(second, folderText() + "Captura 2026-03-05 09-07-04 (2).txt");
    EXPECT_EQ(third, folderText() + "Captura 2026-03-05 09-07-04 (3).txt");
    EXPECT_EQ(contentOf(first), bytes);
    EXPECT_EQ(contentOf(second), "dois");
    EXPECT_EQ(contentOf(third), "três");
}

TEST_F(ArchiveFolder, ADanglingLinkOrAFolderTakesTheName) {
    fs::create_symlink(folder / "nowhere", folder / "Captura 2026-03-05 09-07-04.txt");
    fs::create_directory(folder / "Captura 2026-03-05 09-07-04 (2).txt");
    EXPECT_EQ(freeCaptureArchivePath(folderText(), when),
              folderText() + "Captura 2026-03-05 09-07-04 (3).txt");
}

TEST_F(ArchiveFolder, CopiesTheCaptureFile) {
    const std::string capture = folderText() + "Vezu.txt";
    std::ofstream(capture, std::ios::binary) << "| A LOTE01\r\n\r\n";
    fs::create_directory(folder / "Pesagens");
    const std::string copy = archiveCaptureFile(capture, folderText() + "Pesagens/", when);
    EXPECT_EQ(contentOf(copy), "| A LOTE01\r\n\r\n");
}

TEST_F(ArchiveFolder, FailuresCarryTheRunTimeText) {
    const auto message = [](const auto& call) {
        try {
            call();
        } catch (const InOutError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { archiveCapture(folderText() + "missing/", when, "x"); }),
              "Path not found");
    EXPECT_EQ(message([&] { archiveCaptureFile(folderText() + "none.txt", folderText(), when); }),
              "File not found");
    EXPECT_FALSE(fs::exists(folder / "Captura 2026-03-05 09-07-04.txt"));
    if (::geteuid() != 0) {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(message([&] { archiveCapture(folderText(), when, "x"); }), "File access denied");
        fs::permissions(folder, fs::perms::owner_all);
    }
}

TEST_F(ArchiveFolder, MakesMissingFolders) {
    const std::string deep = folderText() + "Korbane/Pesagens";
    makeFolders(deep);
    makeFolders(deep + "/"); // already there
    EXPECT_TRUE(fs::is_directory(deep));
    std::ofstream(folder / "file") << "x";
    EXPECT_THROW(makeFolders(folderText() + "file/Pesagens"), InOutError);
    EXPECT_THROW(makeFolders(folderText() + "file"), InOutError);
}

} // namespace
} // namespace vezu
