// The size and speed figures appear twice, in the README and in docs/hdl.md, and both come
// from one run of bench/decoder_figures.sh --write: the two marked tables must be the same,
// hold the decoders the commercial figures are quoted for, and carry each code's commercial
// figure on both of its decoders' rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"

namespace {

namespace fs = std::filesystem;

const char* const kBegin = "<!-- figures: begin -->\n";
const char* const kEnd = "<!-- figures: end -->\n";

// The lines between the markers; fails the test unless each marker occurs once, in order.
std::vector<std::string> MarkedTable(const fs::path& file) {
  const std::string text = testsupport::ReadFileText(file);
  const std::size_t begin = text.find(kBegin);
  const std::size_t end = text.find(kEnd);
  EXPECT_NE(begin, std::string::npos) << file;
  EXPECT_NE(end, std::string::npos) << file;
  if (begin == std::string::npos || end == std::string::npos || end < begin) return {};
  EXPECT_EQ(text.find(kBegin, begin + 1), std::string::npos) << file << ": two begin markers";
  EXPECT_EQ(text.find(kEnd, end + 1), std::string::npos) << file << ": two end markers";
  std::vector<std::string> lines;
  std::size_t at = begin + std::string(kBegin).size();
  while (at < end) {
    const std::size_t eol = text.find('\n', at);
    lines.push_back(text.substr(at, eol - at));
    at = eol + 1;
  }
  return lines;
}

// The row whose first cell is `block`, or "" when there is none.
std::string Row(const std::vector<std::string>& table, const std::string& block) {
  for (const std::string& line : table)
    if (line.rfind("| " + block + " |", 0) == 0) return line;
  return "";
}

TEST(FiguresDocs, ReadmeAndHdlDocShowTheSameTable) {
  const fs::path source = RS_SOURCE_DIR;
  const std::vector<std::string> readme = MarkedTable(source / "README.md");
  const std::vector<std::string> hdl = MarkedTable(source / "docs" / "hdl.md");
  ASSERT_FALSE(readme.empty());
  EXPECT_EQ(readme, hdl);
}

// The last cell of a table row.
std::string LastCell(const std::string& row) {
  const std::size_t end = row.find_last_of('|');
  const std::size_t begin = row.find_last_of('|', end - 1);
  return row.substr(begin + 1, end - begin - 1);
}

TEST(FiguresDocs, BothDecodersOfACodeCarryItsCommercialFigure) {
  const std::vector<std::string> table = MarkedTable(fs::path(RS_SOURCE_DIR) / "README.md");
  for (const char* code : {"(204,188)", "(255,239)", "(255,223)"}) {
    const std::string full = Row(table, std::string("full streaming decoder ") + code);
    const std::string half = Row(table, std::string("half streaming decoder ") + code);
    ASSERT_FALSE(full.empty()) << "no full decoder row for " << code;
    ASSERT_FALSE(half.empty()) << "no half decoder row for " << code;
    for (const std::string& row : {full, half}) {
      // Ten cells, none of them empty.
      EXPECT_EQ(std::count(row.begin(), row.end(), '|'), 11) << row;
      EXPECT_EQ(row.find("| |"), std::string::npos) << row;
    }
    EXPECT_EQ(LastCell(full), LastCell(half)) << code;
  }
}

}  // namespace
