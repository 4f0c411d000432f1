#include "capture/headless_capture.hpp"

#include "base/error.hpp"
#include "capture/capture.hpp"
#include "capture/capture_texts.hpp"
#include "capture/real_time_loop.hpp"

namespace vezu {

void captureListing(const std::string& portName, int waitSeconds, CaptureSession& session) {
    RealTimeLoop::Timer timer1(std::chrono::seconds(captureWaitSeconds(waitSeconds)));
    // Nobody reads a result text here: the capture ends at once.
    RealTimeLoop::Timer timer2(RealTimeLoop::Clock::duration::zero());
    Capture* capture = nullptr;
    RealTimeLoop loop(
        timer1, timer2, [&] { capture->Timer1Timer(); }, [&] { capture->Timer2Timer(); });
    Capture machine(timer1, timer2, loop, &loop.queue());
    capture = &machine;
    const bool opened = machine.run(portName, session.captureFile(), [&](const std::string&) {
        if (machine.session()->Recebido()) {
            session.received({});
        }
    });
    if (!opened) {
        throw Error(std::string(kCannotOpenPort));
    }
}

} // namespace vezu
