#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace cli_test {

namespace fs = std::filesystem;

struct ConvertRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs vezu-convert with the arguments (after environment assignments such as
// "HOME=/x "), capturing both streams.
inline ConvertRun convert(const std::string& arguments, const std::string& environment = "") {
    const fs::path errFile =
        fs::temp_directory_path() / ("vezu-cli-err-" + std::to_string(::getpid()));
    const std::string command =
        environment + std::string(VEZU_CONVERT) + " " + arguments + " 2>" + errFile.string();
    ConvertRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        run.out.append(buffer.data(), got);
    }
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    fs::remove(errFile);
    return run;
}

inline const std::string examples = VEZU_EXAMPLES;
inline const std::string fixtures = VEZU_FIXTURES;

} // namespace cli_test
