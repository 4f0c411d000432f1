// vezu-convert: reads a listing as the program does and writes its exports,
// without a window.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "analysis/capture_archive.hpp"
#include "analysis/earlier_listing.hpp"
#include "analysis/script_tables.hpp"
#include "base/error.hpp"
#include "capture/capture_texts.hpp"
#include "capture/headless_capture.hpp"
#include "cli/convert_options.hpp"
#include "cli/exit_status.hpp"
#include "commands/command_texts.hpp"
#include "commands/non_interactive.hpp"
#include "commands/weighing_commands.hpp"
#include "locale/data_folder.hpp"
#include "locale/locale_settings.hpp"

namespace {

using namespace vezu;

void printSummary(const WeighingStore& store, Model model) {
    std::size_t records = 0;
    std::int32_t lots = 0;
    if (model == Model::Kr10) {
        records = store.CDS1().recordCount();
    } else {
        lots = store.C();
        for (std::int32_t n = 1; n <= store.C(); ++n) {
            records += store.lot(n).recordCount();
        }
    }
    std::cout << "S1=" << store.S1() << "\nS2=" << store.S2() << "\nS3=" << store.S3()
              << "\nS4=" << store.S4() << "\nS5=" << store.S5() << "\nS6=" << store.S6()
              << "\nlots=" << lots << "\nrecords=" << records << "\n";
}

ListingModel listingModel(Model model) {
    return model == Model::Kr10 ? ListingModel::Kr10 : ListingModel::Kr20;
}

// An error of one of the run's files: the program's text after the file's name.
class FileError : public std::exception {
public:
    FileError(const std::string& file, const std::exception& error)
        : text_(std::string(kProgramName) + ": " + file + ": " + error.what()) {}
    const char* what() const noexcept override { return text_.c_str(); }

private:
    std::string text_;
};

// Runs one step of the conversion; what it throws names `file`.
template <typename Step> auto concerning(const std::string& file, const Step& step) {
    try {
        return step();
    } catch (const FileError&) {
        throw;
    } catch (const std::exception& error) {
        throw FileError(file, error);
    }
}

// "--csv -": the file is written beside the temporary folder, then copied out.
std::string stdoutStandIn() {
    return (std::filesystem::temp_directory_path() /
            ("vezu-convert-" + std::to_string(::getpid()) + ".csv"))
        .string();
}

void copyToStdout(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::cout << in.rdbuf();
    std::cout.flush();
}

// The data folder and its subfolders, made on a fresh account as the
// window's first start makes them.
void makeDataFolders(const std::string& camCon) {
    concerning(camCon, [&] {
        makeFolders(camCon + kPendriveFolder);
        makeFolders(camCon + kWorkbookFolder);
        return 0;
    });
}

enum class CaptureEnd { Whole, CutShort, CutShortUnread };

// "--capture". When the device went away during the reception, the capture
// file and what the parser made of it are kept, and that is said on stderr,
// with the parser's error when it failed on the cut-off listing.
CaptureEnd capture(WeighingCommands& commands, const ConvertOptions& options) {
    const std::string& port = *options.capturePort;
    if (options.archive || !options.captureFile) {
        makeDataFolders(commands.CamCon);
    }
    RealTimeCapture capture(options.waitSeconds);
    Capture& machine = capture.machine();
    if (options.archive) {
        machine.setArchiveFolder(commands.CamCon + kPendriveFolder);
        machine.setErrorReport([](const std::exception& error) {
            std::cerr << kProgramName << ": " << error.what() << "\n";
        });
    }
    try {
        concerning(port, [&] {
            return commands.ConectarExecute(machine, port, options.captureFile.value_or(""));
        });
    } catch (const FileError& error) {
        if (!machine.lastOutcome().deviceLost) {
            throw;
        }
        std::cerr << error.what() << "\n";
        return CaptureEnd::CutShortUnread;
    }
    if (!machine.lastOutcome().deviceLost) {
        return CaptureEnd::Whole;
    }
    std::cerr << kProgramName << ": " << port << ": " << kDeviceDisconnected << "\n";
    return CaptureEnd::CutShort;
}

void printTables(const ConvertOptions& options, const WeighingStore& store,
                 const FormatSettings& fs) {
    const ListingModel model = listingModel(options.model);
    if (options.stats) {
        std::cout << statsTable(store, model);
    }
    if (options.classWidth) {
        std::cout << classesTable(store, model, *options.classWidth);
    }
    if (options.compare) {
        const ListingModel earlierModel =
            options.compareModel ? listingModel(*options.compareModel) : model;
        const auto earlier = concerning(*options.compare, [&] {
            return readEarlierListing(*options.compare, earlierModel, fs);
        });
        std::cout << compareTable(store, model, *earlier, earlierModel);
    }
    std::cout.flush();
}

int run(const ConvertOptions& options) {
    WeighingStore store;
    NonInteractiveInteraction ui;
    NonInteractiveReportDialogs dialogs;
    ListingView quiet;
    WeighingCommands commands(store, ui, dialogs, quiet);
    commands.setFormatSettings(formatSettingsForLocale(options.locale));
    commands.setNamesAsGiven(true);
    commands.setLayoutFile(options.layout);
    commands.Modelo = options.model == Model::Kr10 ? 0 : 1;
    commands.CamCon = dataFolder();

    ui.listing = options.listing;
    bool deviceGone = false;
    if (options.capturePort) {
        const CaptureEnd end = capture(commands, options);
        if (end == CaptureEnd::CutShortUnread) {
            return kExitDeviceGone;
        }
        deviceGone = end == CaptureEnd::CutShort;
    } else {
        concerning(options.listing, [&] { return commands.PendriveExecute(); });
    }
    if (options.summary) {
        printSummary(store, options.model);
    }
    printTables(options, store, commands.formatSettings());

    std::vector<std::string> nothing;
    const bool csvToStdout = options.csv == "-";
    const auto exportTo = [&](const std::optional<std::string>& file, const char* filter,
                              const char* option, const auto& command) {
        if (!file) {
            return;
        }
        ui.saveNames = {{filter, *file}};
        const bool standIn = csvToStdout && std::string_view(option) == "--csv";
        if (concerning(standIn ? "-" : *file, command) == CommandResult::NothingToExport) {
            nothing.push_back(option);
        }
    };
    const auto csvFile = csvToStdout ? std::optional(stdoutStandIn()) : options.csv;
    exportTo(csvFile, kCsvFilter, "--csv", [&] { return commands.ExportcvsExecute(); });
    if (csvToStdout && std::filesystem::exists(*csvFile)) {
        copyToStdout(*csvFile);
        std::filesystem::remove(*csvFile);
    }
    exportTo(options.xlsx, kWorkbookFilter, "--xlsx", [&] { return commands.ExpotExcelExecute(); });
    if (options.pdf && options.model == Model::Kr20 && store.hasKr20Data() &&
        options.lot > store.C()) {
        throw Error("There is no lot " + std::to_string(options.lot) + " (lots 1 to " +
                    std::to_string(store.C()) + ")");
    }
    exportTo(options.pdf, kPdfFilter, "--pdf",
             [&] { return commands.PDFExecute(options.lot - 1); });
    if (!nothing.empty()) {
        std::string line = std::string(kProgramName) + ": nothing to export for";
        for (const std::string& option : nothing) {
            line += " " + option;
        }
        std::cerr << line << ": no weighing is loaded\n";
        return deviceGone ? kExitDeviceGone : kExitNothingToExport;
    }
    return deviceGone ? kExitDeviceGone : kExitDone;
}

} // namespace

int main(int argc, char** argv) {
    ConvertOptions options;
    try {
        options = parseConvertOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return kExitUsage;
    }
    if (options.help) {
        std::cout << kConvertUsage << "\n\n" << kConvertHelp << "\n";
        return kExitDone;
    }
    if (options.version) {
        std::cout << kConvertVersion << "\n";
        return kExitDone;
    }
    try {
        return run(options);
    } catch (const FileError& error) {
        std::cerr << error.what() << "\n";
    } catch (const std::exception& error) {
        std::cerr << kProgramName << ": " << error.what() << "\n";
    }
    return kExitError;
}
