#include <gtest/gtest.h>

#include "app/build_info.hpp"

namespace vezu {
namespace {

struct VersionCase {
    std::uint16_t major, minor, release, build;
    const char* text;
};

class BuildInfoTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(BuildInfoTest, KeepsOneDigitOfTheFirstPartsAndTwoOfTheBuild) {
    const VersionCase& c = GetParam();
    EXPECT_EQ(formatBuildInfo(c.major, c.minor, c.release, c.build), c.text);
}

INSTANTIATE_TEST_SUITE_P(Versions, BuildInfoTest,
                         ::testing::Values(VersionCase{4, 2, 0, 6, "4.2.0.06"},
                                           VersionCase{1, 12, 3, 7, "1.2.3.07"},
                                           VersionCase{0, 0, 0, 0, "0.0.0.00"},
                                           VersionCase{4, 2, 0, 115, "4.2.0.15"},
                                           VersionCase{65535, 999, 1000, 65535, "63.99.00.56"}));

TEST(BuildInfo, TheProgramIsVersion4_2_0_6) {
    EXPECT_EQ(GetBuildInfo(), "4.2.0.06");
}

} // namespace
} // namespace vezu
