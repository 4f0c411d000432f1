#include "port_sink.hpp"

namespace vezu::sim {

PortSink::PortSink(const std::string& device, std::uint32_t baud) {
    port_.SetPort(device);
    port_.SetBaudRate(serial::TBaudRate::brCustom);
    port_.SetCustomBaudRate(static_cast<std::int32_t>(baud == 0 ? 9600 : baud));
    port_.SetEvents({});
    port_.Open();
}

void PortSink::send(std::string_view bytes) {
    port_.WriteStr(std::string(bytes));
}

} // namespace vezu::sim
