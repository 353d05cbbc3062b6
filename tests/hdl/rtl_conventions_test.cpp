// The net type lines of the RTL conventions (docs/hdl.md), checked on every file of hdl/rtl/:
// a .v file's first line of code is `default_nettype none and its last line `default_nettype
// wire, with no other such line between; a .vh file has none.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_splitter.h"
#include "tests/support/fake_platform.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNone = "`default_nettype none";
constexpr std::string_view kWire = "`default_nettype wire";

// The files still to be brought under the conventions. A file that follows them fails the test
// until it is taken off this list, so the list only shrinks.
const std::set<std::string> kNotYetConverted = {};

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
    line.remove_suffix(1);
  return line;
}

// What is wrong with the file's net type lines; empty when nothing is.
std::string NetTypeFault(std::string_view text, bool included) {
  std::vector<std::string_view> code;  // lines that are neither blank nor a whole-line comment
  std::vector<std::string_view> directives;
  platform::LineSplitter lines(text);
  while (const std::optional<std::string_view> line = lines.Next()) {
    const std::string_view trimmed = Trimmed(*line);
    if (trimmed.empty() || trimmed.starts_with("//")) continue;
    code.push_back(trimmed);
    if (trimmed.starts_with("`default_nettype")) directives.push_back(trimmed);
  }
  if (included) return directives.empty() ? "" : "an included file sets the net type";
  if (code.empty() || code.front() != kNone)
    return "the first line of code is not " + std::string(kNone);
  if (code.back() != kWire) return "the last line is not " + std::string(kWire);
  if (directives.size() != 2) return "a net type line between the first and the last";
  return "";
}

TEST(RtlConventions, NetTypeLinesOfEveryRtlFile) {
  const fs::path rtl = fs::path(RS_SOURCE_DIR) / "hdl" / "rtl";
  std::set<std::string> seen;
  for (const fs::directory_entry& entry : fs::directory_iterator(rtl)) {
    const std::string name = entry.path().filename().string();
    const std::string extension = entry.path().extension().string();
    if (extension != ".v" && extension != ".vh") continue;
    seen.insert(name);
    const std::string fault =
        NetTypeFault(testsupport::ReadFileText(entry.path()), extension == ".vh");
    if (kNotYetConverted.count(name))
      EXPECT_NE(fault, "") << name << " follows the conventions now: take it off kNotYetConverted";
    else
      EXPECT_EQ(fault, "") << name;
  }
  for (const std::string& name : kNotYetConverted)
    EXPECT_TRUE(seen.count(name)) << name << " is gone from hdl/rtl: take it off kNotYetConverted";
}

struct Case {
  const char* name;
  const char* text;
  bool included;
  const char* fault;
};

class NetTypeFaultTest : public ::testing::TestWithParam<Case> {};

TEST_P(NetTypeFaultTest, Finds) {
  EXPECT_EQ(NetTypeFault(GetParam().text, GetParam().included), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NetTypeFaultTest,
    ::testing::Values(
        Case{"Follows",
             "// header\n// uses: b.v\n`default_nettype none\n\nmodule a;\nendmodule\n\n"
             "`default_nettype wire\n",
             false, ""},
        Case{"CrLfAndIndent",
             "`default_nettype none\r\nmodule a;\r\nendmodule\r\n  `default_nettype wire\r\n",
             false, ""},
        Case{"NoNone", "module a;\nendmodule\n`default_nettype wire\n", false,
             "the first line of code is not `default_nettype none"},
        Case{"NoneAfterCode",
             "module a;\n`default_nettype none\nendmodule\n`default_nettype wire\n", false,
             "the first line of code is not `default_nettype none"},
        Case{"NotRestored", "`default_nettype none\nmodule a;\nendmodule\n", false,
             "the last line is not `default_nettype wire"},
        Case{"Between",
             "`default_nettype none\nmodule a;\nendmodule\n`default_nettype wire\nmodule b;\n"
             "endmodule\n`default_nettype wire\n",
             false, "a net type line between the first and the last"},
        Case{"Empty", "", false, "the first line of code is not `default_nettype none"},
        Case{"IncludedWithout", "// functions\nfunction f;\nendfunction\n", true, ""},
        Case{"IncludedWith", "`default_nettype none\nfunction f;\nendfunction\n", true,
             "an included file sets the net type"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
