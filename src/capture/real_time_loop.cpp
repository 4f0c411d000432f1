#include "capture/real_time_loop.hpp"

namespace vezu {

RealTimeLoop::RealTimeLoop(Timer& timer1, Timer& timer2, std::function<void()> onTimer1,
                           std::function<void()> onTimer2)
    : timer1_(timer1), timer2_(timer2), onTimer1_(std::move(onTimer1)),
      onTimer2_(std::move(onTimer2)) {}

// The queue's condition is looked at with its lock held, so the handlers,
// which close the port and thereby drain the queue, run outside it.
void RealTimeLoop::runWaitDialog() {
    open_ = true;
    endSoon_ = false;
    while (open_) {
        queue_.processUntil([this] { return endSoon_ || timer1_.isDue() || timer2_.isDue(); });
        if (endSoon_ || timer1_.isDue()) {
            endSoon_ = false;
            onTimer1_();
        } else if (timer2_.isDue()) {
            onTimer2_();
        }
    }
}

} // namespace vezu
