#include <gtest/gtest.h>

#include "analysis/weight_classes.hpp"
#include "base/error.hpp"

namespace vezu {
namespace {

struct ClassesCase {
    std::vector<std::int64_t> values;
    std::int64_t width;
    std::vector<WeightClass> expected;
};

TEST(WeightClasses, RangeFromTheMinimumToTheMaximumClass) {
    const std::vector<ClassesCase> cases{
        // A value on a boundary opens the next class; the empty class stays.
        {{400, 424, 425, 480},
         25,
         {{400, 425, 2, 50}, {425, 450, 1, 25}, {450, 475, 0, 0}, {475, 500, 1, 25}}},
        {{300}, 25, {{300, 325, 1, 100}}},
        {{310, 310, 310}, 25, {{300, 325, 3, 100}}},
        // Negative values fall in the class below zero, not in [0, W).
        {{-5, 0, 7}, 10, {{-10, 0, 1, 100.0 / 3}, {0, 10, 2, 200.0 / 3}}},
        {{0, 99}, 100, {{0, 100, 2, 100}}},
        {{}, 25, {}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        const auto classes = weightClasses(cases[i].values, cases[i].width);
        ASSERT_EQ(classes.size(), cases[i].expected.size());
        for (std::size_t k = 0; k < classes.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(classes[k].from, cases[i].expected[k].from);
            EXPECT_EQ(classes[k].to, cases[i].expected[k].to);
            EXPECT_EQ(classes[k].count, cases[i].expected[k].count);
            EXPECT_DOUBLE_EQ(classes[k].percent, cases[i].expected[k].percent);
        }
    }
}

TEST(WeightClasses, WidthsThatCannotMakeClasses) {
    EXPECT_THROW(weightClasses({300}, 0), Error);
    EXPECT_THROW(weightClasses({300}, -25), Error);
    // A spread of two billion kg in 1 kg classes would exhaust the memory.
    EXPECT_THROW(weightClasses({INT32_MIN, INT32_MAX}, 1), Error);
    EXPECT_EQ(weightClasses({INT32_MIN, INT32_MAX}, INT64_MAX).size(), 2u);
}

} // namespace
} // namespace vezu
