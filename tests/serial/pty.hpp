#pragma once

#include <chrono>
#include <string>

namespace vezu::serial::test {

// The far end of a pseudo-terminal: the test plays the indicator on the
// master while the port opens the slave by its path.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }

    void send(const std::string& bytes);
    // Collects bytes until count have come or the time is up.
    std::string receive(std::size_t count,
                        std::chrono::milliseconds patience = std::chrono::seconds(10));
    void closeMaster();

private:
    int master_;
    std::string slavePath_;
};

void waitBriefly();

// Polls condition until it holds or the (generous) time is up.
bool eventually(const auto& condition,
                std::chrono::milliseconds patience = std::chrono::seconds(10)) {
    const auto until = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        waitBriefly();
    }
    return true;
}

} // namespace vezu::serial::test
