#include "capture/headless_capture.hpp"

#include <chrono>

#include "base/error.hpp"
#include "capture/capture_texts.hpp"
#include "serial/com_port.hpp"

namespace vezu {

void captureListing(const std::string& portName, int waitSeconds, CaptureSession& session) {
    using Clock = std::chrono::steady_clock;
    serial::HandOverQueue queue;
    serial::TComPort port;
    port.setHandOverQueue(queue);
    port.SetPort(portName);

    const auto silence = std::chrono::seconds(captureWaitSeconds(waitSeconds));
    auto lastArrival = Clock::now();
    port.OnRxChar = [&](serial::TCustomComPort& sender, std::int32_t count) {
        lastArrival = Clock::now();
        std::string bytes;
        sender.ReadStr(bytes, count);
        session.received(bytes);
    };
    try {
        port.SetConnected(true);
    } catch (const Error&) {
        port.SetConnected(false);
        throw Error(std::string(kCannotOpenPort));
    }
    queue.processUntil([&] { return Clock::now() - lastArrival >= silence; });
    // Closing first: a delivery still on its way lands before the file is written.
    port.SetConnected(false);
    session.writeCaptureFile();
}

} // namespace vezu
