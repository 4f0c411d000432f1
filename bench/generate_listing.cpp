#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "listing_generator.hpp"

namespace {

constexpr std::string_view kUsage =
    "usage: generate-listing --model kr10|kr20 --animals N [--lot-size M] [--seed S] OUTPUT\n"
    "  --lot-size  animals per KR-20 lot (default 100)\n"
    "  --seed      the same seed writes the same file (default 1)\n";

struct Options {
    std::string model;
    std::optional<std::uint64_t> animals;
    std::uint64_t lotSize = 100;
    std::uint64_t seed = 1;
    std::string output;
};

std::optional<std::uint64_t> number(std::string_view text) {
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with("--")) {
            if (!options.output.empty()) {
                return std::nullopt;
            }
            options.output = argument;
            continue;
        }
        if (i + 1 == argc) {
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        if (argument == "--model") {
            options.model = value;
        } else if (argument == "--animals") {
            options.animals = number(value);
        } else if (argument == "--lot-size" && number(value)) {
            options.lotSize = *number(value);
        } else if (argument == "--seed" && number(value)) {
            options.seed = *number(value);
        } else {
            return std::nullopt;
        }
    }
    if ((options.model != "kr10" && options.model != "kr20") || !options.animals ||
        options.lotSize == 0 || options.output.empty()) {
        return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        if (options->model == "kr10") {
            vezu::writeKr10Listing(options->output, *options->animals, options->seed);
        } else {
            vezu::writeKr20Listing(options->output, *options->animals, options->lotSize,
                                   options->seed);
        }
    } catch (const std::exception& error) {
        std::cerr << "generate-listing: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
