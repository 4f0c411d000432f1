#pragma once

#include <string>

#include "capture/capture.hpp"
#include "capture/capture_session.hpp"
#include "capture/real_time_loop.hpp"

namespace vezu {

// The capture without a window: Timer1 counts the waiting time on the real
// clock, and the result is not shown, so Timer2 ends the capture at once.
class RealTimeCapture {
public:
    // A waiting time of 0 or less means 10 seconds.
    explicit RealTimeCapture(int waitSeconds);

    Capture& machine() { return machine_; }

private:
    RealTimeLoop::Timer timer1_;
    RealTimeLoop::Timer timer2_;
    RealTimeLoop loop_;
    Capture machine_;
};

// A capture without a window: opens the port at 9600 8N1, collects what
// arrives until the line has been silent for waitSeconds or the device went
// away, closes the port and writes the session's capture file. Throws Error
// cannotOpenPortText(...) when the port does not open.
CaptureOutcome captureListing(const std::string& port, int waitSeconds,
                              const CaptureSession& session);

} // namespace vezu
