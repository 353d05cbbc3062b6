// Copying a core's RTL into NAME.v: the renaming of its modules, the closure of its uses lines,
// the expansion of its includes, the net type lines of the RTL conventions, and a second core
// beside the first in one design.
#include "hdl/rtl_assembly.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hdl/refusal.h"
#include "tests/support/fake_platform.h"

namespace hdl {
namespace {

struct Prefixed {
  const char* name;
  const char* text;
  const char* expected;
};

class PrefixNamesTest : public ::testing::TestWithParam<Prefixed> {};

TEST_P(PrefixNamesTest, RenamesWholeWordsOnly) {
  EXPECT_EQ(PrefixNames(GetParam().text, {"rs_a", "rs_b"}, "top_"), GetParam().expected);
}

const Prefixed kPrefixed[] = {
    {"Declaration", "module rs_a #(", "module top_rs_a #("},
    {"Instance", "  rs_b #(.M(4)) u (.x(x));", "  top_rs_b #(.M(4)) u (.x(x));"},
    {"Both", "rs_a rs_b", "top_rs_a top_rs_b"},
    {"LongerWord", "rs_ab rs_a_x xrs_a", "rs_ab rs_a_x xrs_a"},
    {"DollarIsPartOfAWord", "$rs_a rs_a$", "$rs_a rs_a$"},
    {"MacroLeftAlone", "`rs_a `define rs_b", "`rs_a `define top_rs_b"},
    {"NetTypeLinesLeftAlone", "`default_nettype none\n`default_nettype wire\n",
     "`default_nettype none\n`default_nettype wire\n"},
    {"CheckModuleNotDeclaredLeftAlone", "rs_a_needs_R_at_least_2 impossible ();",
     "rs_a_needs_R_at_least_2 impossible ();"},
    {"InComments", "// rs_a, (rs_b)", "// top_rs_a, (top_rs_b)"},
    {"AtTheEnds", "rs_a", "top_rs_a"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Words, PrefixNamesTest, ::testing::ValuesIn(kPrefixed),
                         [](const auto& info) { return std::string(info.param.name); });

class AssembleCoreTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& text) {
    testsupport::WriteFileText(dir_.Path() / name, text);
  }
  std::string Assemble(const std::string& top) { return AssembleCore(dir_.Dir(), top, "n_"); }
  std::string RefusalOf(const std::string& top) {
    try {
      Assemble(top);
    } catch (const Refusal& refusal) {
      return refusal.what();
    }
    return "no refusal";
  }

  testsupport::TempDir dir_;
};

// Files that follow the conventions: each copied with its own net type lines, so every module
// is read under none and the net type is wire again after the last file.
TEST_F(AssembleCoreTest, KeepsEachFilesNetTypeLines) {
  Write("top.v",
        "// first\n// uses: sub.v\n`default_nettype none\nmodule top;\n`include \"f.vh\"\n"
        "  sub u ();\nendmodule\n`default_nettype wire\n");
  Write("sub.v", "`default_nettype none\nmodule sub;\nendmodule\n`default_nettype wire\n");
  Write("f.vh", "// functions\nfunction f; input a; f = a; endfunction\n");
  EXPECT_EQ(Assemble("top.v"),
            "\n// verilator lint_off DECLFILENAME\n"
            "\n// top.v\n// first\n`default_nettype none\nmodule n_top;\n// functions\n"
            "function f; input a; f = a; endfunction\n  n_sub u ();\nendmodule\n"
            "`default_nettype wire\n"
            "\n// sub.v\n`default_nettype none\nmodule n_sub;\nendmodule\n"
            "`default_nettype wire\n");
  EXPECT_EQ(CoreFiles(dir_.Dir(), "top.v"), (std::vector<std::string>{"top.v", "sub.v"}));
}

TEST_F(AssembleCoreTest, RefusesAnIncludedFileThatSetsTheNetType) {
  Write("top.v", "`default_nettype none\nmodule top;\n`include \"f.vh\"\nendmodule\n");
  Write("f.vh", "`default_nettype none\nfunction f; input a; f = a; endfunction\n");
  EXPECT_EQ(RefusalOf("top.v"),
            "the included RTL file f.vh sets `default_nettype, which would change its includer's");
  // The top file itself sets it, as every .v file does.
  Write("f.vh", "function f; input a; f = a; endfunction\n");
  EXPECT_NE(Assemble("top.v").find("`default_nettype none\nmodule n_top;"), std::string::npos);
}

TEST_F(AssembleCoreTest, ClosureInOrderOfFirstMentionEachOnce) {
  Write("a.v", "// uses: b.v c.v\nmodule a;\n");
  Write("b.v", "  // uses: c.v d.v\nmodule b;\n");
  Write("c.v", "// uses: a.v\nmodule c;\n");
  Write("d.v", "module d;\n");
  EXPECT_EQ(CoreFiles(dir_.Dir(), "a.v"), (std::vector<std::string>{"a.v", "b.v", "c.v", "d.v"}));
  EXPECT_EQ(CoreFiles(dir_.Dir(), "d.v"), std::vector<std::string>{"d.v"});
}

TEST_F(AssembleCoreTest, RefusesMissingAndOutsideFiles) {
  Write("a.v", "// uses: missing.v\nmodule a;\n");
  Write("b.v", "// uses: ../b.v\nmodule b;\n");
  Write("c.v", "`include \".hidden\"\nmodule c;\n");
  EXPECT_EQ(RefusalOf("a.v"),
            "the HDL source " + dir_.Dir() + "missing.v is missing or unreadable");
  EXPECT_EQ(RefusalOf("b.v"), "the RTL names a file outside its directory: ../b.v");
  EXPECT_EQ(RefusalOf("c.v"), "the RTL names a file outside its directory: .hidden");
}

TEST_F(AssembleCoreTest, RefusesIncludesNestedTooDeep) {
  Write("a.v", "`include \"loop.vh\"\n");
  Write("loop.vh", "`include \"loop.vh\"\n");
  EXPECT_EQ(RefusalOf("a.v"), "the includes of the RTL nest too deep at loop.vh");
}

// A block whose top uses a memory, and a wrapper that uses its own FIFO and the same memory.
void WriteSources(const testsupport::TempDir& dir) {
  testsupport::WriteFileText(dir.Path() / "core.v",
                             "// uses: mem.v\nmodule core;\n  mem u();\nendmodule\n");
  testsupport::WriteFileText(dir.Path() / "mem.v", "// uses:\nmodule mem;\nendmodule\n");
  testsupport::WriteFileText(dir.Path() / "wrap.v",
                             "// uses: fifo.v\nmodule wrap;\n  fifo u();\nendmodule\n");
  testsupport::WriteFileText(dir.Path() / "fifo.v",
                             "// uses: mem.v\nmodule fifo;\n  mem u();\nendmodule\n");
}

TEST(AssembleBesideTest, LeavesOutWhatTheOtherFileHoldsAndStillRenamesIt) {
  testsupport::TempDir dir;
  WriteSources(dir);
  const std::string text = AssembleBeside(dir.Dir(), "wrap.v", "core.v", "b_");
  EXPECT_NE(text.find("module b_wrap;"), std::string::npos) << text;
  EXPECT_NE(text.find("module b_fifo;"), std::string::npos) << text;
  EXPECT_NE(text.find("  b_mem u();"), std::string::npos) << text;
  EXPECT_EQ(text.find("module b_mem"), std::string::npos) << text;
  EXPECT_EQ(text.find("module b_core"), std::string::npos) << text;
  EXPECT_EQ(text.find("// uses:"), std::string::npos) << text;
}

TEST(AssembleBesideTest, KeepsWhatTheOtherFileLacks) {
  testsupport::TempDir dir;
  WriteSources(dir);
  testsupport::WriteFileText(dir.Path() / "plain.v", "// uses:\nmodule plain;\nendmodule\n");
  const std::string text = AssembleBeside(dir.Dir(), "wrap.v", "plain.v", "b_");
  EXPECT_NE(text.find("module b_mem;"), std::string::npos) << text;
  EXPECT_EQ(text.find("module b_plain"), std::string::npos) << text;
}

}  // namespace
}  // namespace hdl
