#include <gtest/gtest.h>

#include "report/alignment.hpp"
#include "sample_layout.hpp"

namespace vezu {
namespace {

ViewBox& at(std::vector<ReportObject>& objects, std::size_t i) {
    return box(objects[i]);
}

TEST(AlignmentTest, StretchesBetweenVerticallyOverlappingNeighbours) {
    std::vector<ReportObject> objects;
    PictureView picture;
    picture.left = 2.55906L;
    picture.top = 5.77953L;
    picture.width = 166.29932L;
    picture.height = 90.70872L;
    objects.emplace_back(picture);
    MemoView title = test::memo("Memo1", 300, 0, 10, "");
    title.align = Align::Width;
    objects.emplace_back(title);
    // Below the picture: no vertical overlap, so it takes the full width.
    MemoView rule = test::memo("Memo4", 50, 200, 10, "");
    rule.align = Align::Width;
    objects.emplace_back(rule);
    // Touching the picture's bottom within the tolerance is not an overlap.
    MemoView touching = test::memo("Touch", 400, 5.77953L + 90.70872L - 0.00005L, 10, "");
    touching.align = Align::Width;
    objects.emplace_back(touching);
    MemoView right = test::memo("Right", 600, 0, 50, "");
    objects.emplace_back(right);

    alignToWidth(objects, 718.1107L);

    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 1).left), 168.85838);
    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 1).width), 600 - 168.85838);
    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 2).left), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 2).width), 718.1107);
    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 3).left), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 3).width), 718.1107);
    EXPECT_DOUBLE_EQ(static_cast<double>(at(objects, 4).left), 600); // not aligned: stays
}

} // namespace
} // namespace vezu
