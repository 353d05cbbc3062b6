// The text side of the console backend: reading event lines, splitting them into words, and
// quoting texts the way dumps and error lines print them. Kept apart from the dialog loop so
// that the grammar can be tested byte by byte.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Longest event line kept; the rest of a longer line is skipped up to its line feed, so that a
// runaway input cannot take all the memory.
inline constexpr std::size_t kMaxEventLine = 65536;

// Numbers of `move` lie within this range, so that no coordinate arithmetic overflows.
inline constexpr int kMaxCoordinate = 1000000;

struct EventLine {
  std::string text;        // without the line feed and without a carriage return before it
  bool truncated = false;  // the line was longer than kMaxEventLine
};

// Reads one line (ending at a line feed or at the end of the input, which needs no final line
// feed). Any byte, NUL included, is part of the line. Returns nothing at the end of the input.
std::optional<EventLine> ReadEventLine(std::istream& in);

// True for a line with nothing but blanks, or whose first non-blank character is '#'.
bool IsSkippedLine(std::string_view line);

// Words separated by blanks (spaces and tabs). A double quote starts a quoted part that runs to
// the next unescaped double quote; inside it, a backslash followed by a double quote or by a
// backslash stands for that character, and any other backslash stands for itself. Quoted and
// unquoted parts that touch form one word ("" alone is an empty word). Returns nothing, and
// sets `error`, when a quote is not closed.
std::optional<std::vector<std::string>> SplitEventWords(std::string_view line, std::string* error);

// The text in double quotes: '"' and '\' get a backslash before them, and so that every dumped
// control stays on one line, a line feed, a carriage return and a tab are written \n, \r and
// \t and other control bytes \xHH.
std::string QuoteText(std::string_view text);

// A whole decimal number with an optional sign, within +-kMaxCoordinate.
std::optional<int> ParseCoordinate(std::string_view word);

}  // namespace platform
