#include "platform/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  platform::LineSplitter splitter(text);
  while (const std::optional<std::string_view> line = splitter.Next()) lines.emplace_back(*line);
  return lines;
}

struct SplitCase {
  const char* name;
  std::string_view text;
  std::vector<std::string> lines;
};

class LineSplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitterTest, Splits) {
  EXPECT_EQ(Lines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineSplitterTest,
    ::testing::Values(
        SplitCase{"Empty", "", {}}, SplitCase{"LineFeedAlone", "\n", {""}},
        SplitCase{"NoFinalLineFeed", "a\nb", {"a", "b"}},
        SplitCase{"FinalLineFeed", "a\nb\n", {"a", "b"}},
        SplitCase{"EmptyLinesKept", "\n\na\n\n", {"", "", "a", ""}},
        SplitCase{"CarriageReturnsStay", "a\r\nb\r", {"a\r", "b\r"}},
        SplitCase{"NulInsideALine", std::string_view("a\0b\nc", 5), {std::string("a\0b", 3), "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineSplitter, StaysEndedOnceUsedUp) {
  platform::LineSplitter splitter("x");
  EXPECT_EQ(splitter.Next(), std::optional<std::string_view>("x"));
  EXPECT_EQ(splitter.Next(), std::nullopt);
  EXPECT_EQ(splitter.Next(), std::nullopt);
}

}  // namespace
