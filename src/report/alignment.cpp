#include "report/alignment.hpp"

#include <algorithm>

namespace vezu {
namespace {

constexpr Unit kOverlapTolerance = 0.0001L;

bool overlapVertically(const ViewBox& a, const ViewBox& b) {
    return a.top < b.top + b.height - kOverlapTolerance &&
           b.top < a.top + a.height - kOverlapTolerance;
}

} // namespace

void alignToWidth(std::vector<ReportObject>& objects, Unit containerWidth) {
    std::vector<ViewBox*> order;
    for (ReportObject& object : objects) {
        order.push_back(&box(object));
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const ViewBox* a, const ViewBox* b) { return a->left < b->left; });
    for (std::size_t i = 0; i < order.size(); ++i) {
        ViewBox& view = *order[i];
        if (view.align != Align::Width) {
            continue;
        }
        Unit left = 0;
        Unit right = containerWidth;
        for (std::size_t j = 0; j < order.size(); ++j) {
            const ViewBox& other = *order[j];
            if (j == i || !overlapVertically(view, other)) {
                continue;
            }
            if (j < i) {
                left = std::max(left, other.left + other.width);
            } else {
                right = std::min(right, other.left);
            }
        }
        view.left = left;
        view.width = right - left;
    }
}

} // namespace vezu
