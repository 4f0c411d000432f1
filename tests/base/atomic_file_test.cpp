#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/atomic_file.hpp"
#include "base/error.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const fs::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct stat statOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-atomic-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        ::chmod(folder.c_str(), 0755);
        fs::remove_all(folder);
    }

    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

TEST_F(AtomicFileTest, ReplacesTheTargetOnlyOnCommit) {
    const auto target = folder / "out.csv";
    put(target, "old");
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
    put(target, "old");
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

// The user's file system around a replaced file. Permission cases run as an
// ordinary user: as root in a child that drops to "nobody", otherwise as we are.
struct Ids {
    uid_t uid;
    gid_t gid;
};

Ids nobody() {
    const passwd* user = ::getpwnam("nobody");
    return user != nullptr ? Ids{user->pw_uid, user->pw_gid} : Ids{65534, 65534};
}

bool root() {
    return ::geteuid() == 0;
}

// Gives the path to the ordinary user the case runs as (when we are root).
void own(const fs::path& path) {
    if (root()) {
        const Ids ids = nobody();
        EXPECT_EQ(::lchown(path.c_str(), ids.uid, ids.gid), 0) << path;
    }
}

// Writes "new" to target and commits (or abandons) it; the error text, or
// empty when it went through.
std::string replace(const fs::path& target, bool commit) {
    try {
        AtomicFileWriter writer(target.string());
        writer.write("new");
        if (commit) {
            writer.commit();
        }
        return {};
    } catch (const Error& error) {
        return error.what();
    }
}

std::string replaceAsOrdinaryUser(const fs::path& target, bool commit) {
    if (!root()) {
        return replace(target, commit);
    }
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return "pipe failed";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const Ids ids = nobody();
        std::string result = "could not become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(ids.gid) == 0 && ::setuid(ids.uid) == 0) {
            result = replace(target, commit);
        }
        const ssize_t ignored = ::write(pipeEnds[1], result.data(), result.size());
        static_cast<void>(ignored);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string result;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return result;
}

struct FileSystemCase {
    const char* name;
    enum Runner { Self, OrdinaryUser, RootOnly } runner;
    std::function<void(const fs::path& folder)> setUp; // creates folder / "out.csv" and more
    bool commit;
    const char* error;   // empty: it goes through
    const char* content; // of the file out.csv names afterwards
    std::function<void(const fs::path& folder)> check;
};

void PrintTo(const FileSystemCase& c, std::ostream* out) {
    *out << c.name;
}

const FileSystemCase kFileSystemCases[] = {
    {"SymbolicLinkStaysAndItsFileIsReplaced", FileSystemCase::Self,
     [](const fs::path& f) {
         fs::create_directories(f / "real");
         put(f / "real" / "data.csv", "old");
         fs::create_symlink("real/data.csv", f / "out.csv");
     },
     true, "", "new",
     [](const fs::path& f) {
         EXPECT_TRUE(fs::is_symlink(f / "out.csv"));
         EXPECT_EQ(fs::read_symlink(f / "out.csv"), "real/data.csv");
         EXPECT_EQ(std::distance(fs::directory_iterator(f / "real"), fs::directory_iterator()), 1);
     }},
    {"DanglingSymbolicLinkCreatesItsFile", FileSystemCase::Self,
     [](const fs::path& f) {
         fs::create_directories(f / "real");
         fs::create_symlink(f / "real" / "made.csv", f / "out.csv");
     },
     true, "", "new",
     [](const fs::path& f) {
         EXPECT_TRUE(fs::is_symlink(f / "out.csv"));
         EXPECT_EQ(read(f / "real" / "made.csv"), "new");
     }},
    {"ReadOnlyFileIsRefusedAndKept", FileSystemCase::OrdinaryUser,
     [](const fs::path& f) {
         put(f / "out.csv", "old");
         own(f / "out.csv");
         fs::permissions(f / "out.csv", fs::perms(0444));
     },
     true, "File access denied", "old",
     [](const fs::path& f) { EXPECT_EQ(statOf(f / "out.csv").st_mode & 07777, 0444u); }},
    {"WritableFileInReadOnlyFolderIsRewritten",
     FileSystemCase::OrdinaryUser,
     [](const fs::path& f) {
         put(f / "out.csv", "previous content, longer than the new one");
         own(f / "out.csv");
         fs::permissions(f, fs::perms(0555));
     },
     true,
     "",
     "new",
     {}},
    {"ReadOnlyFolderKeepsTheOldFileUntilCommit",
     FileSystemCase::OrdinaryUser,
     [](const fs::path& f) {
         put(f / "out.csv", "old");
         own(f / "out.csv");
         fs::permissions(f, fs::perms(0555));
     },
     false,
     "",
     "old",
     {}},
    {"NewFileInReadOnlyFolderIsRefused",
     FileSystemCase::OrdinaryUser,
     [](const fs::path& f) { fs::permissions(f, fs::perms(0555)); },
     true,
     "File access denied",
     "",
     {}},
    {"ModeStays", FileSystemCase::Self,
     [](const fs::path& f) {
         put(f / "out.csv", "old");
         fs::permissions(f / "out.csv", fs::perms(0640));
     },
     true, "", "new",
     [](const fs::path& f) { EXPECT_EQ(statOf(f / "out.csv").st_mode & 07777, 0640u); }},
    {"OwnerAndGroupStay", FileSystemCase::RootOnly,
     [](const fs::path& f) {
         put(f / "out.csv", "old");
         own(f / "out.csv");
         fs::permissions(f / "out.csv", fs::perms(0604));
     },
     true, "", "new",
     [](const fs::path& f) {
         const struct stat info = statOf(f / "out.csv");
         EXPECT_EQ(info.st_uid, nobody().uid);
         EXPECT_EQ(info.st_gid, nobody().gid);
         EXPECT_EQ(info.st_mode & 07777, 0604u);
     }},
    {"GroupWritableFileOfAnotherOwnerKeepsItsOwner", FileSystemCase::RootOnly,
     [](const fs::path& f) {
         put(f / "out.csv", "old");
         EXPECT_EQ(::chown((f / "out.csv").c_str(), 0, nobody().gid), 0);
         fs::permissions(f / "out.csv", fs::perms(0664));
         fs::permissions(f, fs::perms(0777));
     },
     true, "", "new",
     [](const fs::path& f) {
         const struct stat info = statOf(f / "out.csv");
         EXPECT_EQ(info.st_uid, 0u);
         EXPECT_EQ(info.st_gid, nobody().gid);
     }},
    {"HardLinkedFileStaysOneFile", FileSystemCase::Self,
     [](const fs::path& f) {
         put(f / "out.csv", "old");
         fs::create_hard_link(f / "out.csv", f / "other-name.csv");
     },
     true, "", "new", [](const fs::path& f) { EXPECT_EQ(read(f / "other-name.csv"), "new"); }},
};

class AtomicFileSystemTest : public AtomicFileTest,
                             public ::testing::WithParamInterface<FileSystemCase> {};

TEST_P(AtomicFileSystemTest, KeepsTheUsersFileSystem) {
    const FileSystemCase& c = GetParam();
    if (c.runner == FileSystemCase::RootOnly && !root()) {
        GTEST_SKIP() << "files of another owner can only be set up as root";
    }
    if (c.runner == FileSystemCase::OrdinaryUser) {
        own(folder);
    }
    c.setUp(folder);
    const std::size_t before = entries();
    const fs::path target = folder / "out.csv";
    const std::string error = c.runner == FileSystemCase::OrdinaryUser
                                  ? replaceAsOrdinaryUser(target, c.commit)
                                  : replace(target, c.commit);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(read(target), c.content);
    EXPECT_EQ(entries(), before) << "no temporary file is left behind";
    if (c.check) {
        c.check(folder);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AtomicFileSystemTest, ::testing::ValuesIn(kFileSystemCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vezu
