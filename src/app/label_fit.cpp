#include "app/label_fit.hpp"

namespace vezu {
namespace {

constexpr int kSmallestPointSize = 6;

} // namespace

void fitLabel(QLabel& label, int pointSize, int maxWidth) {
    QFont font = label.font();
    for (int size = pointSize; size >= kSmallestPointSize; --size) {
        font.setPointSize(size);
        label.setFont(font);
        label.adjustSize();
        if (label.width() <= maxWidth) {
            return;
        }
    }
}

} // namespace vezu
