#include "port_sink.hpp"

namespace vezu::sim {

PortSink::PortSink(const std::string& device, std::uint32_t baud,
                   std::chrono::milliseconds stallPatience)
    : stallPatience_(stallPatience) {
    port_.SetPort(device);
    port_.SetBaudRate(serial::TBaudRate::brCustom);
    port_.SetCustomBaudRate(static_cast<std::int32_t>(baud == 0 ? 9600 : baud));
    port_.SetEvents({});
    port_.Open();
}

// A write may end short when its time-out runs out (flow control holding the
// line, for one): the rest is sent again until nothing moves any more.
void PortSink::send(std::string_view bytes) {
    StallGuard stall(stallPatience_);
    while (!bytes.empty()) {
        const std::int32_t written = port_.WriteStr(std::string(bytes));
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
            stall.progressed();
            continue;
        }
        stall.check();
    }
}

} // namespace vezu::sim
