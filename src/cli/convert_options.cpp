#include "cli/convert_options.hpp"

#include "base/conversions.hpp"
#include "base/error.hpp"

namespace vezu {
namespace {

[[noreturn]] void usageError(const std::string& problem) {
    throw Error(problem + "\n" + kConvertUsage);
}

} // namespace

ConvertOptions parseConvertOptions(const std::vector<std::string>& arguments) {
    ConvertOptions options;
    bool modelGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                usageError(argument + " needs a value");
            }
            return arguments[++i];
        };
        if (argument == "--help") {
            options.help = true;
            return options;
        }
        if (argument == "--model") {
            const std::string& model = value();
            if (model == "kr10") {
                options.model = Model::Kr10;
            } else if (model == "kr20") {
                options.model = Model::Kr20;
            } else {
                usageError("unknown model '" + model + "'");
            }
            modelGiven = true;
        } else if (argument == "--locale") {
            options.locale = value();
        } else if (argument == "--summary") {
            options.summary = true;
        } else if (argument == "--csv") {
            options.csv = value();
        } else if (argument == "--xlsx") {
            options.xlsx = value();
        } else if (argument == "--pdf") {
            options.pdf = value();
        } else if (argument == "--lot") {
            const auto lot = tryStrToInt(value());
            if (!lot || *lot < 1) {
                usageError("--lot needs a lot number from 1");
            }
            options.lot = *lot;
        } else if (argument == "--layout") {
            options.layout = value();
        } else if (argument == "--capture") {
            options.capturePort = value();
        } else if (argument == "--wait") {
            const auto seconds = tryStrToInt(value());
            if (!seconds) {
                usageError("--wait needs a number of seconds");
            }
            options.waitSeconds = *seconds;
        } else if (argument == "--capture-file") {
            options.captureFile = value();
        } else if (argument.starts_with("--")) {
            usageError("unknown option " + argument);
        } else if (options.listing.empty()) {
            options.listing = argument;
        } else {
            usageError("more than one listing given");
        }
    }
    if (!modelGiven) {
        usageError("--model is required");
    }
    if (options.capturePort && !options.listing.empty()) {
        usageError("a listing and --capture exclude each other");
    }
    if (!options.capturePort && options.listing.empty()) {
        usageError("no listing given");
    }
    return options;
}

} // namespace vezu
