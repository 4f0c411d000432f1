#include "report/error_list.hpp"

namespace vezu {

void ErrorList::add(std::string message) {
    const auto [at, added] = index_.try_emplace(message, entries_.size());
    if (added) {
        entries_.push_back({std::move(message), 0});
    }
    ++entries_[at->second].count;
}

void ErrorList::clear() {
    entries_.clear();
    index_.clear();
}

std::vector<std::string> ErrorList::lines() const {
    std::vector<std::string> result;
    result.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        result.push_back(entry.count > 1 ? entry.message + " (" + std::to_string(entry.count) + "×)"
                                         : entry.message);
    }
    return result;
}

} // namespace vezu
