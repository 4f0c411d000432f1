#include "sim_options.hpp"

#include <charconv>
#include <stdexcept>

namespace vezu::sim {

const char* const kUsage =
    "usage: indicator-sim [--device PATH] [--baud N] [--burst-lines N] [--pause MS]\n"
    "                     [--linger MS] LISTING\n"
    "Plays LISTING to a serial line as a weighing indicator does. Without --device\n"
    "it creates a pseudo-terminal, prints its path and starts once the receiver\n"
    "has put the line in raw mode.\n";

namespace {

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
        if (argument.rfind("--", 0) != 0) {
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
        else if (argument == "--linger")
            options.linger = std::chrono::milliseconds(number(argument, value));
        else
            throw std::invalid_argument("unknown option " + argument);
    }
    if (!haveListing)
        throw std::invalid_argument("no listing given");
    return options;
}

} // namespace vezu::sim
