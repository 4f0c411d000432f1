#pragma once

#include <QTimer>

#include "capture/capture_view.hpp"

namespace vezu {

// A window timer as the capture starts and stops it.
class QtCaptureTimer : public CaptureTimer {
public:
    explicit QtCaptureTimer(QTimer& timer) : timer_(timer) {}
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer& timer_;
};

} // namespace vezu
