#pragma once

#include <string>

namespace vezu {

// A timer of the capture; it calls back the handler it was made for.
class CaptureTimer {
public:
    virtual ~CaptureTimer() = default;
    // (Re)starts the countdown of the timer's interval from now.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The wait dialog and the monitor window, as the capture drives them.
class CaptureView {
public:
    virtual ~CaptureView() = default;

    virtual void clearMonitor() {}
    virtual void setWaitText(const std::string& text) = 0;
    virtual void setAnimating(bool animating) = 0;
    // Shows the wait dialog modally: deliveries and timer ticks run meanwhile;
    // returns once closeWaitDialog() was called.
    virtual void runWaitDialog() = 0;
    virtual void closeWaitDialog() = 0;
    // Has the owner's Timer1 handler run as soon as the handler now running
    // has returned: the device went away, no silence to wait out.
    virtual void endCaptureSoon() = 0;
};

} // namespace vezu
