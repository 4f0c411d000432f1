#include <gtest/gtest.h>

#include "base/error.hpp"
#include "import/line_reader.hpp"
#include "listing_files.hpp"

namespace vezu {
namespace {

std::vector<std::string> readAll(const std::string& bytes, std::int64_t* counted = nullptr) {
    TemporaryListing file(bytes);
    LineReader reader(file.path());
    if (counted) {
        *counted = reader.countLines();
    }
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

TEST(LineReader, SplitsAtLineFeedsAndDropsTheCarriageReturn) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    for (const Case& c :
         {Case{"", {}}, Case{"a", {"a"}}, Case{"a\r\n", {"a"}}, Case{"a\nb", {"a", "b"}},
          Case{"a\r\n\r\nb\r\n", {"a", "", "b"}}, Case{"a\rb\n", {"a\rb"}},
          Case{std::string("x\0y\n", 4), {std::string("x\0y", 3)}}}) {
        std::int64_t counted = -1;
        EXPECT_EQ(readAll(c.bytes, &counted), c.lines);
        EXPECT_EQ(counted, static_cast<std::int64_t>(c.lines.size()));
    }
}

TEST(LineReader, ReadsLinesLongerThanItsBuffer) {
    const std::string longLine(3'000'000, 'x');
    const auto lines = readAll("a\n" + longLine + "\nb");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "b");
}

} // namespace
} // namespace vezu
