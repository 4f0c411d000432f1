#include "sim_options.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace vezu::sim {

const char* const kUsage =
    "usage: indicator-sim [--device PATH] [--baud N] [--burst-lines N] [--pause MS]\n"
    "                     [--linger MS] LISTING\n"
    "       indicator-sim --help | --version\n"
    "Plays LISTING to a serial line as a weighing indicator does. Without --device\n"
    "it creates a pseudo-terminal, prints its path and starts once the receiver\n"
    "has put the line in raw mode.\n"
    "  --device PATH      send on this serial device instead\n"
    "  --baud N           pace of the line in bits per second, 0 for no pacing\n"
    "                     (default 9600)\n"
    "  --burst-lines N    send N lines at a time, 0 for the whole listing at once\n"
    "                     (default 0)\n"
    "  --pause MS         silence between bursts in milliseconds (default 500)\n"
    "  --linger MS        how long the line stays open after the last byte\n"
    "                     (default 2000)\n"
    "It ends with status 1 when the receiver takes no byte for 5 seconds.\n";

const char* const kVersion = "indicator-sim (Korbane Vezu) " VEZU_VERSION "\n";

namespace {

constexpr std::array<const char*, 5> kValueOptions = {"--device", "--baud", "--burst-lines",
                                                      "--pause", "--linger"};

std::uint32_t number(const std::string& option, const std::string& text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        throw std::invalid_argument(option + " needs a whole number, not \"" + text + "\"");
    return value;
}

} // namespace

SimOptions parseSimOptions(const std::vector<std::string>& arguments) {
    SimOptions options;
    bool haveListing = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.action = SimOptions::Action::help;
            return options;
        }
        if (argument == "--version") {
            options.action = SimOptions::Action::version;
            return options;
        }
        if (argument.size() > 1 && argument[0] == '-') {
            if (std::find(kValueOptions.begin(), kValueOptions.end(), argument) ==
                kValueOptions.end())
                throw std::invalid_argument("unknown option " + argument);
        } else {
            if (haveListing)
                throw std::invalid_argument("only one listing can be played");
            options.listing = argument;
            haveListing = true;
            continue;
        }
        if (i + 1 == arguments.size())
            throw std::invalid_argument(argument + " needs a value");
        const std::string& value = arguments[++i];
        if (argument == "--device")
            options.device = value;
        else if (argument == "--baud")
            options.baud = number(argument, value);
        else if (argument == "--burst-lines")
            options.burstLines = number(argument, value);
        else if (argument == "--pause")
            options.pause = std::chrono::milliseconds(number(argument, value));
        else
            options.linger = std::chrono::milliseconds(number(argument, value));
    }
    if (!haveListing)
        throw std::invalid_argument("no listing given");
    return options;
}

} // namespace vezu::sim
