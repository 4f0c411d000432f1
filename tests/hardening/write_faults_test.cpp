// Every file the program writes, written where it cannot be: a full disk, a
// folder that does not exist, a target that cannot be replaced, a file the
// user may not write. Each gives a clear error and leaves the previous file
// as it was, with no litter.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/error.hpp"
#include "capture/capture_session.hpp"
#include "data/store_writer.hpp"
#include "export/csv_writer.hpp"
#include "export/sheet_plan.hpp"
#include "export/short_date.hpp"
#include "export/xlsx_writer.hpp"
#include "pdf/weighing_pdf.hpp"
#include "settings/ini_file.hpp"

namespace vezu {
namespace {

namespace fs = std::filesystem;

WeighingStore& loadedStore() {
    static WeighingStore store;
    static const bool loaded = [](WeighingStore& s) {
        Table& lot = StoreWriter(s).addLot();
        auto add = [](Table& t, std::size_t id, std::size_t weight, int i) {
            t.append();
            t.setText(id, "BR55" + std::to_string(i));
            t.setInteger(weight, 300 + i % 200);
            t.post();
        };
        for (int i = 0; i < 3000; ++i) {
            add(s.CDS1(), kr10::ID, kr10::PESO, i);
            add(lot, kr20::ID, kr20::PESO, i);
        }
        StoreWriter(s).markRowsLoaded();
        StoreWriter(s).S1() = "LOTE01";
        return true;
    }(store);
    (void)loaded;
    return store;
}

struct Writer {
    const char* name;
    std::function<void(const std::string& path)> write;
    enum Report { Plain, SettingsFile, ReportEngine };
    Report report = Plain;

    // The text the user sees for a file that cannot be written.
    std::string message(const std::string& path, const std::string& reason) const {
        switch (report) {
        case SettingsFile:
            return "Unable to write to " + path;
        case ReportEngine:
            return "The following error(s) have occured:\nCannot create file \"" + path + "\". " +
                   reason;
        default:
            return reason;
        }
    }
};

void PrintTo(const Writer& w, std::ostream* out) {
    *out << w.name;
}

std::vector<Writer> writers() {
    static const FormatSettings fs;
    return {
        {"kr10_csv", [](const std::string& p) { writeKr10Csv(loadedStore().CDS1(), p, fs); }},
        {"kr20_csv", [](const std::string& p) { writeKr20Csv(loadedStore(), p, fs); }},
        {"kr10_workbook",
         [](const std::string& p) { writeWorkbook(kr10SheetPlan(loadedStore(), fs), p); }},
        {"kr20_workbook",
         [](const std::string& p) {
             writeWorkbook(kr20SheetPlan(loadedStore(), fs, localToday()), p);
         }},
        {"kr10_pdf", [](const std::string& p) { writeKr10Pdf(loadedStore(), std::nullopt, fs, p); },
         Writer::ReportEngine},
        {"kr20_pdf",
         [](const std::string& p) {
             writeKr20Pdf(loadedStore(), 1, std::nullopt, "/nonexistent/", fs, p);
         },
         Writer::ReportEngine},
        {"capture_file",
         [](const std::string& p) {
             CaptureSession session(p);
             session.received(std::string(200 * 1024, 'x'));
             session.writeCaptureFile();
         }},
        {"settings_file",
         [](const std::string& p) {
             IniFile ini(p);
             ini.writeString("CONF", "Porta", std::string(2000, 'p'));
         },
         Writer::SettingsFile},
    };
}

class WriteFaults : public ::testing::TestWithParam<Writer> {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("vezu-faults-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        if (mounted) {
            ::umount2(folder.c_str(), MNT_DETACH);
        }
        fs::remove_all(folder);
    }

    // A small file system of our own that is then filled to the last byte.
    bool mountFullDisk() {
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0) {
            return false;
        }
        mounted = true;
        return true;
    }

    void fillDisk() {
        std::ofstream filler(folder / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size())) {
        }
    }

    void expectError(const std::string& path, const std::string& message) {
        const Writer& w = GetParam();
        try {
            w.write(path);
            ADD_FAILURE() << w.name << " reported success";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), w.message(path, message)) << w.name;
        }
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
    bool mounted = false;
};

TEST_P(WriteFaults, FullDiskKeepsThePreviousFile) {
    if (!mountFullDisk()) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const fs::path target = folder / "out";
    std::ofstream(target) << "previous";
    fillDisk();
    expectError(target.string(), "Disk full");
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "previous");
    EXPECT_EQ(entries(), (std::vector<std::string>{"filler", "out"}));
}

TEST_P(WriteFaults, MissingFolder) {
    expectError((folder / "no-such-folder" / "out").string(), "Path not found");
    EXPECT_TRUE(entries().empty());
}

TEST_P(WriteFaults, TargetThatCannotBeReplaced) {
    fs::create_directories(folder / "out" / "inside");
    expectError((folder / "out").string(), "File access denied");
    EXPECT_TRUE(fs::is_directory(folder / "out" / "inside"));
    EXPECT_EQ(entries(), std::vector<std::string>{"out"});
}

// The writer's error text, or "reported success"; as root it runs in a child
// that drops to "nobody", since root may write any file.
std::string failureAsOrdinaryUser(const Writer& w, const std::string& path, uid_t uid, gid_t gid) {
    auto attempt = [&] {
        try {
            w.write(path);
            return std::string("reported success");
        } catch (const Error& e) {
            return std::string(e.what());
        }
    };
    if (::geteuid() != 0) {
        return attempt();
    }
    int ends[2];
    if (::pipe(ends) != 0) {
        return "pipe failed";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        std::string result = "could not become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0) {
            result = attempt();
        }
        const ssize_t ignored = ::write(ends[1], result.data(), result.size());
        static_cast<void>(ignored);
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string result;
    char buffer[512];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return result;
}

TEST_P(WriteFaults, FileTheUserMayNotWriteIsKept) {
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
    const gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
    const fs::path target = folder / "out";
    std::ofstream(target) << "previous";
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(folder.c_str(), uid, gid), 0);
        ASSERT_EQ(::chown(target.c_str(), uid, gid), 0);
    }
    fs::permissions(target, fs::perms(0444));
    const Writer& w = GetParam();
    EXPECT_EQ(failureAsOrdinaryUser(w, target.string(), uid, gid),
              w.message(target.string(), "File access denied"));
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "previous");
    EXPECT_EQ(entries(), std::vector<std::string>{"out"});
}

INSTANTIATE_TEST_SUITE_P(EveryWrittenFile, WriteFaults, ::testing::ValuesIn(writers()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace vezu
