// Splitting a written file into its lines, for the checks of many tests (header-only, so that the
// fuzz targets can use it without the test framework).
#pragma once

#include <string>
#include <vector>

namespace testsupport {

// The lines of a text, without their line feeds; a final line feed starts no empty line.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace testsupport
