// indicator-sim: plays a listing file to a serial line as a weighing
// indicator does, for trying the capture without an indicator.
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <thread>

#include "listing_player.hpp"
#include "port_sink.hpp"
#include "pty_sink.hpp"
#include "sim_options.hpp"

namespace {

std::string readListing(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    using namespace vezu::sim;
    SimOptions options;
    try {
        options = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "indicator-sim: " << error.what() << "\n" << kUsage;
        return 2;
    }
    if (options.action == SimOptions::Action::help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.action == SimOptions::Action::version) {
        std::cout << kVersion;
        return 0;
    }
    try {
        const std::string listing = readListing(options.listing);
        std::unique_ptr<ByteSink> sink;
        if (options.device) {
            sink = std::make_unique<PortSink>(*options.device, options.baud);
        } else {
            auto pty = std::make_unique<PtySink>();
            std::cout << pty->slavePath() << std::endl;
            pty->waitForRawMode();
            sink = std::move(pty);
        }
        playListing(listing, *sink, options);
        // Closing the line at once would throw away what the receiver has not read yet.
        std::this_thread::sleep_for(options.linger);
    } catch (const std::exception& error) {
        std::cerr << "indicator-sim: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
