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

CaptureOutcome captureListing(const std::string& portName, int waitSeconds,
                              const CaptureSession& session) {
    RealTimeCapture capture(waitSeconds);
    Capture& machine = capture.machine();
    if (!machine.run(portName, session.captureFile(), [](const std::string&) {})) {
        throw Error(cannotOpenPortText(machine.openFailureReason()));
    }
    return machine.lastOutcome();
}

} // namespace vezu
