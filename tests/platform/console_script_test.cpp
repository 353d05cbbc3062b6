#include <gtest/gtest.h>

#include <sstream>

#include "platform/console/console_script.h"

namespace {

using platform::EventLine;
using platform::ReadEventLine;

std::vector<EventLine> ReadAll(const std::string& input) {
  std::istringstream in(input);
  std::vector<EventLine> lines;
  while (auto line = ReadEventLine(in)) lines.push_back(*line);
  return lines;
}

TEST(ConsoleReadLine, SplitsAtLineFeedsDropsCarriageReturnAndNeedsNoFinalLineFeed) {
  const auto lines = ReadAll("click Finish\r\n\ndump");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, "click Finish");
  EXPECT_EQ(lines[1].text, "");
  EXPECT_EQ(lines[2].text, "dump");
}

TEST(ConsoleReadLine, KeepsNulAndHighBytes) {
  const std::string input("a\0b\xff\n", 5);
  const auto lines = ReadAll(input);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text, std::string("a\0b\xff", 4));
}

TEST(ConsoleReadLine, CutsAnOverlongLineAndGoesOnWithTheNext) {
  const std::string input = std::string(platform::kMaxEventLine + 10, 'x') + "\nclose\n";
  const auto lines = ReadAll(input);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[0].truncated);
  EXPECT_EQ(lines[0].text.size(), platform::kMaxEventLine);
  EXPECT_FALSE(lines[1].truncated);
  EXPECT_EQ(lines[1].text, "close");
}

TEST(ConsoleReadLine, EmptyInputHasNoLine) {
  EXPECT_TRUE(ReadAll("").empty());
}

TEST(ConsoleSkippedLine, BlankAndCommentLines) {
  EXPECT_TRUE(platform::IsSkippedLine(""));
  EXPECT_TRUE(platform::IsSkippedLine(" \t "));
  EXPECT_TRUE(platform::IsSkippedLine("# a comment"));
  EXPECT_TRUE(platform::IsSkippedLine("  #indented"));
  EXPECT_FALSE(platform::IsSkippedLine("dump # not a comment"));
  EXPECT_FALSE(platform::IsSkippedLine(std::string("\0", 1)));
}

struct SplitCase {
  std::string line;
  std::vector<std::string> words;
};

TEST(ConsoleSplitWords, Table) {
  const std::vector<SplitCase> cases = {
      {"click Finish", {"click", "Finish"}},
      {"  click\t\"Next >\"  ", {"click", "Next >"}},
      {"type \"Number of bits per symbol\" 9", {"type", "Number of bits per symbol", "9"}},
      {"type Field \"\"", {"type", "Field", ""}},
      {R"(x "a \"quoted\" word")", {"x", "a \"quoted\" word"}},
      {R"(x "back\\slash")", {"x", "back\\slash"}},
      {R"(x "C:\work\rs.tdf")", {"x", "C:\\work\\rs.tdf"}},
      {R"(x C:\w)", {"x", "C:\\w"}},
      {R"(x ab"c d"e)", {"x", "abc de"}},
      {R"(x a"")", {"x", "a"}},
      {"", {}},
  };
  for (const SplitCase& c : cases) {
    std::string error;
    const auto words = platform::SplitEventWords(c.line, &error);
    ASSERT_TRUE(words.has_value()) << c.line;
    EXPECT_EQ(*words, c.words) << c.line;
  }
}

TEST(ConsoleSplitWords, UnclosedQuoteIsAnError) {
  for (const std::string line : {R"(click "Next >)", R"(x "a\")", "x \""}) {
    std::string error;
    EXPECT_FALSE(platform::SplitEventWords(line, &error).has_value()) << line;
    EXPECT_EQ(error, "unterminated quote");
  }
}

TEST(ConsoleQuote, EscapesQuotesBackslashesAndControlBytes) {
  EXPECT_EQ(platform::QuoteText(""), "\"\"");
  EXPECT_EQ(platform::QuoteText("Next >"), "\"Next >\"");
  EXPECT_EQ(platform::QuoteText(R"(C:\w\rs.tdf)"), R"("C:\\w\\rs.tdf")");
  EXPECT_EQ(platform::QuoteText("say \"hi\""), R"("say \"hi\"")");
  EXPECT_EQ(platform::QuoteText(std::string("a\nb\tc\rd\0e\x7f", 10)), R"("a\nb\tc\rd\x00e\x7F")");
  EXPECT_EQ(platform::QuoteText("\xc3\xa9"), "\"\xc3\xa9\"");
}

TEST(ConsoleQuote, QuotedTextSplitsBackToItself) {
  const std::string text = R"(a "b" \c\\ d)";
  std::string error;
  const auto words = platform::SplitEventWords("x " + platform::QuoteText(text), &error);
  ASSERT_TRUE(words.has_value());
  ASSERT_EQ(words->size(), 2u);
  EXPECT_EQ((*words)[1], text);
}

TEST(ConsoleCoordinate, Table) {
  EXPECT_EQ(platform::ParseCoordinate("0"), 0);
  EXPECT_EQ(platform::ParseCoordinate("1024"), 1024);
  EXPECT_EQ(platform::ParseCoordinate("-15"), -15);
  EXPECT_EQ(platform::ParseCoordinate("+7"), 7);
  EXPECT_EQ(platform::ParseCoordinate("1000000"), 1000000);
  for (const char* bad : {"", "-", "12x", "0x10", " 5", "1e3", "1000001", "99999999999999"})
    EXPECT_FALSE(platform::ParseCoordinate(bad).has_value()) << bad;
}

}  // namespace
