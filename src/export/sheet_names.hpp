#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace vezu {

inline constexpr std::size_t kSheetNameMax = 31;

// Hands out worksheet names the file format accepts: the characters
// [ ] : * ? / \ and control characters become "_", an apostrophe may not open
// or close a name, at most 31 characters, and no two names equal without
// regard to case.
class SheetNames {
public:
    // The name made acceptable; when that is taken, " (2)", " (3)"... is
    // appended to it, cut so the whole stays within 31 characters.
    std::string claim(std::string_view wanted);
    bool isTaken(std::string_view name) const;

private:
    std::unordered_set<std::string> taken_; // names folded to lower case
};

// Lower case for the letters of Latin, Greek and Cyrillic scripts, accented
// ones included; every other character is kept.
std::string foldCase(std::string_view utf8);

} // namespace vezu
