#include "cli/convert_options.hpp"

#include <getopt.h>

#include "base/conversions.hpp"
#include "base/error.hpp"
#include "cli/known_locale.hpp"

namespace vezu {
namespace {

[[noreturn]] void usageError(const std::string& problem) {
    throw Error(std::string(kProgramName) + ": " + problem + "\n" + kConvertUsage);
}

enum OptionId : int {
    kModel = 256,
    kLocale,
    kSummary,
    kCsv,
    kXlsx,
    kPdf,
    kLot,
    kLayout,
    kCapture,
    kWait,
    kCaptureFile,
    kNoArchive,
    kHelp,
    kVersion,
    kStats,
    kClasses,
    kCompare,
    kCompareModel,
};

const option kOptions[] = {
    {"model", required_argument, nullptr, kModel},
    {"locale", required_argument, nullptr, kLocale},
    {"summary", no_argument, nullptr, kSummary},
    {"csv", required_argument, nullptr, kCsv},
    {"xlsx", required_argument, nullptr, kXlsx},
    {"pdf", required_argument, nullptr, kPdf},
    {"lot", required_argument, nullptr, kLot},
    {"layout", required_argument, nullptr, kLayout},
    {"capture", required_argument, nullptr, kCapture},
    {"wait", required_argument, nullptr, kWait},
    {"capture-file", required_argument, nullptr, kCaptureFile},
    {"no-archive", no_argument, nullptr, kNoArchive},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"stats", no_argument, nullptr, kStats},
    {"classes", required_argument, nullptr, kClasses},
    {"compare", required_argument, nullptr, kCompare},
    {"compare-model", required_argument, nullptr, kCompareModel},
    {nullptr, 0, nullptr, 0},
};

Model modelNamed(const std::string& value) {
    if (value != "kr10" && value != "kr20") {
        usageError("unknown model '" + value + "'");
    }
    return value == "kr10" ? Model::Kr10 : Model::Kr20;
}

void setOption(ConvertOptions& options, int id, const std::string& value) {
    switch (id) {
    case kModel:
        options.model = modelNamed(value);
        break;
    case kLocale:
        if (!isKnownLocale(value)) {
            usageError("unknown locale '" + value + "'");
        }
        options.locale = value;
        break;
    case kSummary:
        options.summary = true;
        break;
    case kCsv:
        options.csv = value;
        break;
    case kXlsx:
        options.xlsx = value;
        break;
    case kPdf:
        options.pdf = value;
        break;
    case kLot: {
        const auto lot = tryStrToInt(value);
        if (!lot || *lot < 1) {
            usageError("--lot needs a lot number from 1");
        }
        options.lot = *lot;
        break;
    }
    case kLayout:
        options.layout = value;
        break;
    case kCapture:
        options.capturePort = value;
        break;
    case kWait: {
        // A waiting time of 0 or less would never end a capture.
        const auto seconds = tryStrToInt(value);
        if (!seconds || *seconds <= 0) {
            usageError("--wait needs a number of seconds above 0");
        }
        options.waitSeconds = *seconds;
        break;
    }
    case kCaptureFile:
        options.captureFile = value;
        break;
    case kNoArchive:
        options.archive = false;
        break;
    case kStats:
        options.stats = true;
        break;
    case kClasses: {
        const auto width = tryStrToInt(value);
        if (!width || *width < 1) {
            usageError("--classes needs a class width in kg from 1");
        }
        options.classWidth = *width;
        break;
    }
    case kCompare:
        options.compare = value;
        break;
    case kCompareModel:
        options.compareModel = modelNamed(value);
        break;
    case kHelp:
        options.help = true;
        break;
    case kVersion:
        options.version = true;
        break;
    default:
        break;
    }
}

} // namespace

ConvertOptions parseConvertOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{std::string(kProgramName)};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    ConvertOptions options;
    bool modelGiven = false;
    opterr = 0;
    optind = 0; // also resets getopt's own state between calls
    const int argc = static_cast<int>(argv.size() - 1);
    for (int id; (id = getopt_long(argc, argv.data(), "", kOptions, nullptr)) != -1;) {
        if (id == '?') {
            const std::string given = argv[static_cast<std::size_t>(optind - 1)];
            usageError(optopt != 0 ? given + " needs a value" : "unknown option " + given);
        }
        setOption(options, id, optarg != nullptr ? optarg : "");
        modelGiven = modelGiven || id == kModel;
    }
    if (options.help || options.version) {
        return options;
    }
    for (int i = optind; i < argc; ++i) {
        if (!options.listing.empty()) {
            usageError("more than one listing given");
        }
        options.listing = argv[static_cast<std::size_t>(i)];
    }
    if (!modelGiven) {
        usageError("--model is required");
    }
    if (options.capturePort && !options.listing.empty()) {
        usageError("a listing and --capture exclude each other");
    }
    if (options.compareModel && !options.compare) {
        usageError("--compare-model needs --compare");
    }
    if (!options.capturePort && options.listing.empty()) {
        usageError("no listing given");
    }
    return options;
}

} // namespace vezu
