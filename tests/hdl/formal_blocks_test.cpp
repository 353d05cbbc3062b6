// The properties that RTL modules state under `ifdef FORMAL are proved on the sources; the
// generated block leaves them out, whole, and keeps every other line as it is.
#include <gtest/gtest.h>

#include <string>

#include "hdl/refusal.h"
#include "hdl/rtl_assembly.h"
#include "tests/support/fake_platform.h"

namespace {

std::string Assemble(const std::string& text) {
  testsupport::TempDir dir;
  testsupport::WriteFileText(dir.Path() / "top.v", text);
  return hdl::AssembleCore(dir.Dir(), "top.v", "p_");
}

constexpr const char* kHead = "\n// verilator lint_off DECLFILENAME\n\n// top.v\n";

TEST(FormalBlocks, LeavesOutFormalBlocksWhole) {
  const std::string text =
      "module top(input clk);\n"
      "  reg a_q;\n"
      "`ifdef FORMAL\n"
      "  reg f_past_valid_q = 1'b0;\n"
      "  `ifdef FORMAL_TOP_top\n"
      "  always @(*) assume (a_q);\n"
      "  `else\n"
      "  always @(*) assert (a_q);\n"
      "  `endif\n"
      "`endif  // FORMAL\n"
      "endmodule\n";
  EXPECT_EQ(Assemble(text), std::string(kHead) +
                                "module p_top(input clk);\n"
                                "  reg a_q;\n"
                                "endmodule\n");
}

TEST(FormalBlocks, KeepsOtherConditionals) {
  const std::string text =
      "module top;\n"
      "`ifdef FORMALITY\n"
      "  wire a;\n"
      "`endif\n"
      "`ifndef FORMAL\n"
      "  wire b;\n"
      "`endif\n"
      "  `ifdef  FORMAL\t\n"
      "  wire c;\n"
      "  `endif\n"
      "endmodule\n";
  EXPECT_EQ(Assemble(text), std::string(kHead) +
                                "module p_top;\n"
                                "`ifdef FORMALITY\n"
                                "  wire a;\n"
                                "`endif\n"
                                "`ifndef FORMAL\n"
                                "  wire b;\n"
                                "`endif\n"
                                "endmodule\n");
}

TEST(FormalBlocks, RefusesAFormalBlockLeftOpen) {
  EXPECT_THROW(Assemble("module top;\n`ifdef FORMAL\n  `ifdef X\n  `endif\nendmodule\n"),
               hdl::Refusal);
}

// Design lines under `else would be lost with the block, or properties kept: either is wrong.
TEST(FormalBlocks, RefusesAFormalBlockWithAnElse) {
  EXPECT_THROW(Assemble("module top;\n`ifdef FORMAL\n`else\n  wire a;\n`endif\nendmodule\n"),
               hdl::Refusal);
  EXPECT_THROW(Assemble("module top;\n`ifdef FORMAL\n`elsif X\n`endif\nendmodule\n"), hdl::Refusal);
}

// Every core of the block: the properties of its files gone, every module still closed.
TEST(FormalBlocks, TheBlockCarriesNoProperties) {
  const std::string rtl = std::string(RS_SOURCE_DIR) + "/hdl/rtl/";
  for (const char* top : {"rs_encoder.v", "rs_decoder.v"}) {
    SCOPED_TRACE(top);
    const std::string text = hdl::AssembleCore(rtl, top, "x_");
    EXPECT_EQ(text.find("FORMAL"), std::string::npos);
    EXPECT_EQ(text.find("assert"), std::string::npos);
    std::size_t modules = 0, ends = 0;
    for (std::size_t at = text.find("\nmodule "); at != std::string::npos;
         at = text.find("\nmodule ", at + 1))
      ++modules;
    for (std::size_t at = text.find("\nendmodule"); at != std::string::npos;
         at = text.find("\nendmodule", at + 1))
      ++ends;
    EXPECT_GT(modules, 0u);
    EXPECT_EQ(modules, ends);
  }
}

}  // namespace
