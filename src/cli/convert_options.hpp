#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vezu {

enum class Model { Kr10, Kr20 };

struct ConvertOptions {
    Model model = Model::Kr10;
    std::string locale;
    std::string listing;
    bool summary = false;
    std::optional<std::string> csv;
};

// Throws Error with a usage text for arguments it does not understand.
ConvertOptions parseConvertOptions(const std::vector<std::string>& arguments);

inline constexpr const char* kConvertUsage =
    "usage: vezu-convert --model kr10|kr20 [--locale NAME] LISTING [--summary] [--csv FILE]";

} // namespace vezu
