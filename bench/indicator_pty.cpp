#include "indicator_pty.hpp"

#include <algorithm>
#include <thread>

namespace vezu {

void IndicatorPty::sendPaced(std::string_view bytes, std::uint32_t baud, std::size_t piece) {
    const auto start = std::chrono::steady_clock::now();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const std::size_t size = std::min(piece, bytes.size() - sent);
        send(bytes.substr(sent, size));
        sent += size;
        // Scheduled from the start, so no drift builds up.
        std::this_thread::sleep_until(start +
                                      std::chrono::microseconds(sent * 10'000'000ull / baud));
    }
}

} // namespace vezu
