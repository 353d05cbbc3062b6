#include "hdl/rtl_assembly.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_platform.h"

namespace hdl {
namespace {

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
