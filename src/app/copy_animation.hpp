#pragma once

#include <QTimer>
#include <QWidget>

namespace vezu {

// A sheet of paper flying from one folder to another, drawn frame by frame:
// the wait dialog's sign that bytes are coming in.
class CopyAnimation : public QWidget {
public:
    static constexpr int kFrameCount = 22;

    explicit CopyAnimation(QWidget* parent);

    // Active plays from the first frame and loops; inactive rests on the
    // first frame, so no sheet is left hanging in the air.
    void setActive(bool active);
    bool active() const { return timer_.isActive(); }
    int frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int frame_ = 0;
};

} // namespace vezu
