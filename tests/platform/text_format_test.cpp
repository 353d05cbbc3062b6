// The generated files are defined by printf formats: whatever path a format takes, the text
// must be what the C library's printf makes of it.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>

#include "platform/text_format.h"

namespace {

using platform::AppendFormat;

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

TEST(AppendFormat, IntegersAtTheEndsOfTheirRanges) {
  for (int v : {0, 1, -1, 9, 10, -10, 255, 65535, INT_MAX, INT_MIN}) {
    std::string out = "x";
    AppendFormat(out, "%d> %d = 0\n", v, -(v / 2));
    EXPECT_EQ(out, "x" + Printf("%d> %d = 0\n", v, -(v / 2))) << v;
  }
  for (long v : {0L, 26500L, -7L, LONG_MAX, LONG_MIN}) {
    std::string out;
    AppendFormat(out, "STOP %ld;\n", v);
    EXPECT_EQ(out, Printf("STOP %ld;\n", v)) << v;
  }
}

TEST(AppendFormat, HexRecordsPadToTwoDigitsAndGrowPastThem) {
  for (unsigned v : {0u, 1u, 0xfu, 0x10u, 0xffu, 0x100u, 0xabcdu, UINT_MAX}) {
    std::string out;
    AppendFormat(out, ":0100%02x00%02x%02x", v, v ^ 0x5au, 0xffu - (v & 0xffu));
    EXPECT_EQ(out, Printf(":0100%02x00%02x%02x", v, v ^ 0x5au, 0xffu - (v & 0xffu))) << v;
  }
}

TEST(AppendFormat, PercentSignsStringsAndPlainText) {
  std::string out;
  AppendFormat(out, "%% n = %d (length of message) %%\n", 5);
  AppendFormat(out, "%sinv_%d_%d.hex", "C:\\w\\", 8, 285);
  AppendFormat(out, "no conversion at all\n");
  AppendFormat(out, "%s%s.vec", "", "rs");
  EXPECT_EQ(out,
            "% n = 5 (length of message) %\nC:\\w\\inv_8_285.hex"
            "no conversion at all\nrs.vec");
}

TEST(AppendFormat, FormatAndANullStringAsPrintf) {
  const char* volatile none = nullptr;
  EXPECT_EQ(platform::Format("%s|%d", none, 3), Printf("%s|%d", none, 3));
  EXPECT_EQ(platform::Format("%sinv_%d_%d.hex", "dir/", 4, 19), "dir/inv_4_19.hex");
}

TEST(AppendFormat, OtherConversionsStillFollowPrintf) {
  std::string out;
  AppendFormat(out, "%5d|%-3s|%x|%u", 42, "ab", 255u, 7u);
  EXPECT_EQ(out, Printf("%5d|%-3s|%x|%u", 42, "ab", 255u, 7u));
}

TEST(AppendFormat, LongerThanAnyLineOfTheFiles) {
  const std::string directory(300, 'd');
  std::string out = "keep ";
  AppendFormat(out, "%sevnum_%d_%d_%d.hex", directory.c_str(), 8, 285, 205);
  EXPECT_EQ(out, "keep " + directory + "evnum_8_285_205.hex");
  std::string general;
  AppendFormat(general, "%3s%x", directory.c_str(), 171u);
  EXPECT_EQ(general, directory + "ab");
}

TEST(AppendFormat, RandomValuesMatchPrintf) {
  std::mt19937 random(2027u);
  std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
  for (int i = 0; i < 20000; ++i) {
    const int a = any(random);
    const long b = static_cast<long>(any(random)) * 65536L;
    const unsigned c = static_cast<unsigned>(any(random)) % 1024u;
    std::string out;
    AppendFormat(out, "%ld> %d %02x\n", b, a, c);
    ASSERT_EQ(out, Printf("%ld> %d %02x\n", b, a, c));
  }
}

}  // namespace
