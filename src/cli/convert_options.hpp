#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vezu {

enum class Model { Kr10, Kr20 };

struct ConvertOptions {
    bool help = false;
    bool version = false;
    Model model = Model::Kr10;
    std::string locale;
    std::string listing;
    bool summary = false;
    std::optional<std::string> csv;
    std::optional<std::string> xlsx;
    std::optional<std::string> pdf;
    std::int32_t lot = 1;
    std::optional<std::string> layout;
    std::optional<std::string> capturePort; // read from the indicator instead of a listing
    std::int32_t waitSeconds = 10;
    std::optional<std::string> captureFile;
    // A capture that received bytes is also kept in the data folder's "Pesagens".
    bool archive = true;
    // The analysis tables, printed on stdout after the summary.
    bool stats = false;
    std::optional<std::int64_t> classWidth;
    std::optional<std::string> compare;
    std::optional<Model> compareModel; // the loaded model when not given
};

// Throws Error, the program's name first, with a usage text for arguments it
// does not understand. "--help" or "--version" alone is enough: nothing else
// is required then.
ConvertOptions parseConvertOptions(const std::vector<std::string>& arguments);

inline constexpr std::string_view kProgramName = "vezu-convert";
inline constexpr const char* kConvertVersion = "vezu-convert (Korbane Vezu 4.2)";

inline constexpr const char* kConvertUsage =
    "usage: vezu-convert --model kr10|kr20 [--locale NAME] LISTING [--summary] [--csv FILE]\n"
    "                    [--xlsx FILE] [--pdf FILE [--lot N] [--layout FILE]]\n"
    "       vezu-convert --model kr10|kr20 [--locale NAME] --capture PORT [--wait SECONDS]\n"
    "                    [--capture-file FILE] [--no-archive] [same outputs]\n"
    "       tables on stdout with either: [--stats] [--classes WIDTH]\n"
    "                    [--compare EARLIER [--compare-model kr10|kr20]]\n"
    "       vezu-convert --help | --version\n"
    "FILE may be - for --csv: the CSV goes to standard output.\n"
    "--stats: each lot's figures of PESO; --classes WIDTH: each lot's weight classes\n"
    "of WIDTH kg; --compare EARLIER: each animal's gain and daily gain since the\n"
    "earlier listing (read as --compare-model, by default the model loaded).\n"
    "Tables are tab-separated with a header line and a point as decimal separator.";

// What --help prints after the usage.
inline constexpr const char* kConvertHelp =
    "A capture that received bytes is also kept as \"Captura AAAA-MM-DD HH-MM-SS.txt\" in\n"
    "the data folder's Pesagens; --no-archive keeps no such copy.\n\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  an error (the program's own text on stderr)\n"
    "  2  a usage error\n"
    "  3  nothing to export: the window would end silently; no file is written\n"
    "  4  the capture was cut short because the device went away: the capture file and\n"
    "     the outputs that could be made are written, the message is on stderr";

} // namespace vezu
