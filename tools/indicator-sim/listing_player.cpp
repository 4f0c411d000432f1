#include "listing_player.hpp"

#include <algorithm>
#include <chrono>
#include <thread>

namespace vezu::sim {

namespace {

using Clock = std::chrono::steady_clock;

// Small pieces keep the pace even without flooding the receiver's queue.
constexpr std::size_t kPieceSize = 16;

void sendPaced(std::string_view burst, ByteSink& sink, std::uint32_t baud) {
    if (baud == 0) {
        sink.send(burst);
        return;
    }
    const auto start = Clock::now();
    std::size_t sent = 0;
    while (sent < burst.size()) {
        const std::size_t piece = std::min(kPieceSize, burst.size() - sent);
        sink.send(burst.substr(sent, piece));
        sent += piece;
        // Scheduled from the start of the burst, so no drift builds up.
        const auto due = start + std::chrono::microseconds(sent * 10'000'000ull / baud);
        std::this_thread::sleep_until(due);
    }
}

} // namespace

std::vector<std::string_view> splitIntoBursts(std::string_view listing,
                                              std::uint32_t linesPerBurst) {
    std::vector<std::string_view> bursts;
    if (linesPerBurst == 0) {
        if (!listing.empty())
            bursts.push_back(listing);
        return bursts;
    }
    std::size_t begin = 0;
    std::uint32_t lines = 0;
    for (std::size_t i = 0; i < listing.size(); ++i) {
        if (listing[i] != '\n' || ++lines < linesPerBurst)
            continue;
        bursts.push_back(listing.substr(begin, i + 1 - begin));
        begin = i + 1;
        lines = 0;
    }
    if (begin < listing.size())
        bursts.push_back(listing.substr(begin));
    return bursts;
}

void playListing(std::string_view listing, ByteSink& sink, const SimOptions& options) {
    const auto bursts = splitIntoBursts(listing, options.burstLines);
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        if (i > 0)
            std::this_thread::sleep_for(options.pause);
        sendPaced(bursts[i], sink, options.baud);
    }
}

} // namespace vezu::sim
