#include "serial/platform/posix_port_holders.hpp"

#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace vezu::serial::platform {

namespace {

using Folder = std::unique_ptr<DIR, int (*)(DIR*)>;

Folder openFolder(const std::string& path) {
    return {::opendir(path.c_str()), &::closedir};
}

int pidOf(const char* name) {
    char* end = nullptr;
    const long pid = std::strtol(name, &end, 10);
    return *name != '\0' && *end == '\0' && pid > 0 && pid <= INT_MAX ? static_cast<int>(pid) : 0;
}

std::string linkTarget(const std::string& link) {
    char target[PATH_MAX];
    const ssize_t size = ::readlink(link.c_str(), target, sizeof target - 1);
    return size > 0 ? std::string(target, static_cast<std::size_t>(size)) : std::string();
}

bool hasOpen(int pid, const std::string& device) {
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
    const Folder folder = openFolder(fds);
    if (!folder)
        return false;
    while (const dirent* entry = ::readdir(folder.get()))
        if (entry->d_name[0] != '.' && linkTarget(fds + "/" + entry->d_name) == device)
            return true;
    return false;
}

} // namespace

std::string programName(int pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

std::optional<PortHolder> otherOpener(const std::string& devicePath) {
    char resolved[PATH_MAX];
    const std::string device =
        ::realpath(devicePath.c_str(), resolved) ? std::string(resolved) : devicePath;
    const Folder proc = openFolder("/proc");
    if (!proc)
        return std::nullopt;
    const int self = static_cast<int>(::getpid());
    while (const dirent* entry = ::readdir(proc.get())) {
        const int pid = pidOf(entry->d_name);
        if (pid != 0 && pid != self && hasOpen(pid, device))
            return PortHolder{pid, programName(pid)};
    }
    return std::nullopt;
}

} // namespace vezu::serial::platform
