#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace vezu {

// The errors of one run. A fault met on every row is one error that occurred
// many times, so each distinct message is kept once with its count.
class ErrorList {
public:
    struct Entry {
        std::string message;
        std::size_t count = 0;
    };

    void add(std::string message);
    void clear();
    bool empty() const { return entries_.empty(); }
    // Distinct messages.
    std::size_t size() const { return entries_.size(); }
    // In the order first met.
    const std::vector<Entry>& entries() const { return entries_; }
    // One line per distinct message, "(N×)" after it when it occurred N > 1 times.
    std::vector<std::string> lines() const;

private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> index_;
};

} // namespace vezu
