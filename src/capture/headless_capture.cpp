#include "capture/headless_capture.hpp"

#include "base/error.hpp"
#include "capture/capture_texts.hpp"

namespace vezu {

RealTimeCapture::RealTimeCapture(int waitSeconds)
    : timer1_(std::chrono::seconds(captureWaitSeconds(waitSeconds))),
      timer2_(RealTimeLoop::Clock::duration::zero()),
      loop_(
          timer1_, timer2_, [this] { machine_.Timer1Timer(); }, [this] { machine_.Timer2Timer(); }),
      machine_(timer1_, timer2_, loop_, &loop_.queue()) {}

void captureListing(const std::string& portName, int waitSeconds, CaptureSession& session) {
    RealTimeCapture capture(waitSeconds);
    Capture& machine = capture.machine();
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
