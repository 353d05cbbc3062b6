// The size and speed figures appear twice, in the README and in docs/hdl.md, and both come
// from one run of bench/decoder_figures.sh --write: the two marked tables must be the same,
// hold the decoders the commercial figures are quoted for, and carry each commercial figure on
// the rows of its own code.
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

TEST(FiguresDocs, EveryDecoderRowCarriesItsCodesCommercialFigure) {
  const std::vector<std::string> table = MarkedTable(fs::path(RS_SOURCE_DIR) / "README.md");
  struct Code {
    const char* code;
    const char* commercial;
  };
  const Code codes[] = {
      {"(204,188)", "807 / 809"}, {"(255,239)", "779 / 811"}, {"(255,223)", "1332 / 1346"}};
  for (const Code& code : codes)
    for (const char* speed : {"full", "half"}) {
      const std::string block = std::string(speed) + " streaming decoder " + code.code;
      const std::string row = Row(table, block);
      ASSERT_FALSE(row.empty()) << "no row " << block;
      EXPECT_NE(row.find(code.commercial), std::string::npos) << row;
      // Ten cells, none of them empty.
      EXPECT_EQ(std::count(row.begin(), row.end(), '|'), 11) << row;
      EXPECT_EQ(row.find("| |"), std::string::npos) << row;
    }
}

}  // namespace
