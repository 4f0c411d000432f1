#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "capture/capture_view.hpp"
#include "serial/hand_over_queue.hpp"

namespace vezu {

// The capture's clock and wait "dialog" without a window: the dialog's modal
// loop drains the port's hand-over queue and fires the timers when due, on
// the calling thread.
class RealTimeLoop : public CaptureView {
public:
    using Clock = std::chrono::steady_clock;

    class Timer : public CaptureTimer {
    public:
        explicit Timer(Clock::duration interval) : interval_(interval) {}
        void start() override { due_ = Clock::now() + interval_; }
        void stop() override { due_.reset(); }
        bool isActive() const override { return due_.has_value(); }
        bool isDue() const { return due_ && Clock::now() >= *due_; }

    private:
        Clock::duration interval_;
        std::optional<Clock::time_point> due_;
    };

    // The handlers run by the timers when they are due.
    RealTimeLoop(Timer& timer1, Timer& timer2, std::function<void()> onTimer1,
                 std::function<void()> onTimer2);

    serial::HandOverQueue& queue() { return queue_; }

    void setWaitText(const std::string&) override {}
    void setAnimating(bool) override {}
    void runWaitDialog() override;
    void closeWaitDialog() override { open_ = false; }
    void endCaptureSoon() override { endSoon_ = true; }

private:
    serial::HandOverQueue queue_;
    Timer& timer1_;
    Timer& timer2_;
    std::function<void()> onTimer1_;
    std::function<void()> onTimer2_;
    bool open_ = false;
    bool endSoon_ = false;
};

} // namespace vezu
