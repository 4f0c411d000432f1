#include "serial/platform/posix_uucp_lock.hpp"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>

#include "serial/platform/posix_port_holders.hpp"

namespace vezu::serial::platform {

namespace {

// The locks this program holds; those still held are removed at exit.
class HeldLocks {
public:
    // Only by the process that took them: a forked child exiting leaves them.
    void removeAll() {
        std::lock_guard lock(mutex_);
        for (const auto& [path, pid] : paths_)
            if (pid == ::getpid())
                ::unlink(path.c_str());
    }
    void add(const std::string& path) {
        std::lock_guard lock(mutex_);
        paths_[path] = ::getpid();
    }
    void remove(const std::string& path) {
        std::lock_guard lock(mutex_);
        paths_.erase(path);
    }
    bool contains(const std::string& path) {
        std::lock_guard lock(mutex_);
        const auto held = paths_.find(path);
        return held != paths_.end() && held->second == ::getpid();
    }

private:
    std::mutex mutex_;
    std::map<std::string, pid_t> paths_;
};

// Never destroyed: a port that is itself a static may let go of its lock late.
HeldLocks& heldLocks() {
    static HeldLocks* const locks = [] {
        auto* created = new HeldLocks;
        std::atexit([] { heldLocks().removeAll(); });
        return created;
    }();
    return *locks;
}

std::mutex folderMutex;
std::string lockFolder = "/run/lock";

std::string currentLockFolder() {
    std::lock_guard lock(folderMutex);
    return lockFolder;
}

std::string lockPath(const std::string& devicePath) {
    return currentLockFolder() + "/" + UucpLock::fileName(devicePath);
}

// Ten columns of ASCII as usual; a four-byte binary pid as very old programs wrote it.
int readPid(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return 0;
    char text[64] = {};
    const ssize_t size = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (size == 4 && (text[0] < ' ' || text[3] < ' ')) {
        int pid = 0;
        std::memcpy(&pid, text, sizeof pid);
        return pid > 0 ? pid : 0;
    }
    int pid = 0;
    return size > 0 && std::sscanf(text, "%d", &pid) == 1 && pid > 0 ? pid : 0;
}

bool alive(int pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

std::string pidColumns(int pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", pid);
    return text;
}

} // namespace

void setLockFolder(const std::string& folder) {
    std::lock_guard lock(folderMutex);
    lockFolder = folder;
}

std::string UucpLock::fileName(const std::string& devicePath) {
    std::string name = devicePath.rfind("/dev/", 0) == 0
                           ? devicePath.substr(5)
                           : devicePath.substr(devicePath.find_last_of('/') + 1);
    for (char& c : name)
        if (c == '/')
            c = '_';
    return "LCK.." + name;
}

std::optional<PortHolder> UucpLock::holder(const std::string& devicePath) {
    const std::string path = lockPath(devicePath);
    if (::access(path.c_str(), F_OK) != 0)
        return std::nullopt;
    const int pid = readPid(path);
    const bool ours = pid == static_cast<int>(::getpid());
    if (pid != 0 && (ours ? heldLocks().contains(path) : alive(pid)))
        return PortHolder{pid, programName(pid)};
    ::unlink(path.c_str());
    return std::nullopt;
}

int UucpLock::take(const std::string& devicePath, std::unique_ptr<UucpLock>& lock,
                   PortHolder& holder) {
    if (const auto other = UucpLock::holder(devicePath)) {
        holder = *other;
        return EBUSY;
    }
    static std::atomic<unsigned> serial{0};
    const std::string folder = currentLockFolder();
    const std::string path = lockPath(devicePath);
    // Written beside it and linked in whole, so no reader sees a half-written pid.
    const std::string scratch =
        folder + "/LTMP." + std::to_string(::getpid()) + "." + std::to_string(++serial);
    const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return 0;
    const std::string text = pidColumns(static_cast<int>(::getpid()));
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    const int linked = written && ::link(scratch.c_str(), path.c_str()) == 0 ? 0 : errno;
    ::unlink(scratch.c_str());
    if (!written)
        return 0;
    if (linked == EEXIST) {
        holder = UucpLock::holder(devicePath).value_or(PortHolder{});
        return EBUSY;
    }
    if (linked != 0)
        return 0;
    heldLocks().add(path);
    lock.reset(new UucpLock(path));
    return 0;
}

UucpLock::UucpLock(std::string path) : path_(std::move(path)) {}

UucpLock::~UucpLock() {
    ::unlink(path_.c_str());
    heldLocks().remove(path_);
}

} // namespace vezu::serial::platform
