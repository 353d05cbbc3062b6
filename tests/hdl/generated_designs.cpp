// Wizard -> rsmanager --generate -> verilator lint -> iverilog/vvp, for every field polynomial
// of every m with a spread of n, r and first roots, each variant of the block; the testbenches
// can fail; the component declaration analyses in GHDL; the RTL's parameter checks stop every
// tool.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "rsblock/primitive_polynomials.h"
#include "tests/manager/manager_run.h"
#include "tests/support/fake_platform.h"
#include "tests/support/text_lines.h"

namespace {

namespace fs = std::filesystem;
using managertest::Code;
using managertest::Shell;
using testsupport::ReadFileText;
using testsupport::WriteFileText;

const char* const kDecoders[] = {"discrete full", "discrete half", "streaming full",
                                 "streaming half"};

// Each polynomial of m gets the next of four shapes: the longest code, k = 1 with the
// largest first root, many check symbols, an odd r.
std::vector<Code> EncoderCodes() {
  std::vector<Code> codes;
  for (int m = rsblock::kMinBitsPerSymbol; m <= rsblock::kMaxBitsPerSymbol; ++m) {
    const int top = (1 << m) - 1;
    int shape = 0;
    for (int p : rsblock::PolynomialsFor(m)) {
      const int many = std::min(50, top / 3);
      const Code shapes[] = {{"encoder", m, p, top, 4, 0},
                             {"encoder", m, p, many + 1, many, top - many},
                             {"encoder", m, p, top - 3, many, 1},
                             {"encoder", m, p, top / 2 + 1, 7, top - 10}};
      codes.push_back(shapes[shape++ % 4]);
    }
  }
  codes.push_back({"encoder", 8, 285, 255, 50, 0});
  codes.push_back({"encoder", 8, 285, 204, 16, 0});
  return codes;
}

std::vector<Code> DecoderCodes() {
  std::vector<Code> codes;
  for (const char* kind : kDecoders) {
    codes.push_back({kind, 4, 25, 15, 4, 3});
    codes.push_back({kind, 6, 67, 9, 8, 1});  // k = 1
    codes.push_back({kind, 5, 41, 31, 6, 2});
  }
  // Each solver the generator chooses (hdl/decoder_timing): the full decoders all back to back.
  codes.push_back({"streaming full", 8, 285, 255, 50, 0});  // nine lanes
  codes.push_back({"discrete full", 8, 285, 255, 50, 0});   // nine lanes
  codes.push_back({"streaming full", 8, 285, 255, 4, 0});   // one multiplier
  codes.push_back({"discrete full", 8, 285, 204, 16, 0});   // one lane, DVB
  codes.push_back({"streaming full", 6, 67, 51, 50, 0});    // the array: no folded count can
  codes.push_back({"streaming half", 8, 285, 204, 16, 0});  // one multiplier, DVB
  codes.push_back({"discrete half", 8, 285, 51, 50, 0});    // three lanes meet the allowance
  codes.push_back({"discrete half", 5, 37, 26, 10, 1});     // three multipliers for the search
  return codes;
}

// The long sweep: every n of a few r for each variant.
std::vector<Code> NightlyCodes() {
  std::vector<Code> codes;
  if (!std::getenv("RSMANAGER_NIGHTLY_SWEEP")) return codes;
  for (const char* kind :
       {"encoder", "discrete full", "discrete half", "streaming full", "streaming half"})
    for (int r : {4, 5, 16, 50})
      for (int n = r + 1; n <= 255; n += 23) codes.push_back({kind, 8, 391, n, r, 255 - r});
  return codes;
}

bool IsDecoder(const Code& code) {
  return std::string(code.kind) != "encoder";
}

// Ends with "N checks, 0 failed" and status 0 (or, when failing is expected, not). testbench
// may name more files to compile beside rs.v.
void ExpectRun(const fs::path& dir, const std::string& testbench, bool pass = true) {
  const testsupport::RunResult run =
      Shell("cd " + dir.string() + " && iverilog -o sim " + testbench + " rs.v && vvp -n sim");
  const std::vector<std::string> lines = testsupport::SplitLines(run.out);
  ASSERT_FALSE(lines.empty());
  if (pass) {
    EXPECT_EQ(run.exitStatus, 0) << run.out;
    const std::string& last = lines.back();
    EXPECT_NE(last.find(" checks, 0 failed"), std::string::npos) << run.out;
    EXPECT_NE(last.rfind("0 checks", 0), 0u) << "nothing checked";
  } else {
    EXPECT_NE(run.exitStatus, 0) << run.out;
  }
}

// The block built by the wizard from a console session, and generated.
void Generate(const fs::path& dir, const Code& code, const std::string& design = "rs.v") {
  const testsupport::RunResult wizard =
      testsupport::RunWizard({"-n", (dir / design).string()}, managertest::Events(code));
  ASSERT_EQ(wizard.exitStatus, 0) << wizard.err;
  const std::string cnx = ReadFileText(dir / "rs.cnx");
  for (const auto& [key, value] : {std::pair{"m", code.m},
                                   {"n", code.n},
                                   {"check", code.r},
                                   {"irrpol", code.irrpol},
                                   {"genstart", code.genstart}})
    ASSERT_NE(cnx.find(platform::Format("CONSTANT: %s NUMERIC \"%d\"\n", key, value)),
              std::string::npos)
        << "the session did not set " << key;
  const testsupport::RunResult run =
      managertest::RunManager({"--generate", (dir / design).string()});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
}

class GeneratedBlock : public ::testing::TestWithParam<Code> {};

TEST_P(GeneratedBlock, LintsAndPassesItsTestbenches) {
  const Code& code = GetParam();
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), code));
  const testsupport::RunResult lint =
      Shell("verilator --lint-only -Wall " + (dir.Path() / "rs.v").string());
  EXPECT_EQ(lint.exitStatus, 0) << lint.out;
  EXPECT_EQ(lint.out, "");
  // A streaming decoder's vector file spaces its words by about 1.7 r^2 clocks, ten times:
  // for large r that is the long sweep's business.
  const std::string vec = ReadFileText(dir.Path() / "rs.vec");
  const long stop = std::atol(vec.c_str() + vec.find("STOP ") + 5);
  if (stop <= 3000000 || std::getenv("RSMANAGER_NIGHTLY_SWEEP"))
    ExpectRun(dir.Path(), "rs_tb.v");
  else
    std::printf("the vector file runs to %ld: its testbench runs in the nightly sweep\n", stop);
  if (IsDecoder(code)) ExpectRun(dir.Path(), "rs_errors_tb.v");
}

std::string CodeName(const ::testing::TestParamInfo<Code>& info) {
  std::string kind = info.param.kind;
  for (char& c : kind)
    if (c == ' ') c = '_';
  return platform::Format("%s_m%d_p%d_n%d_r%d_g%d", kind.c_str(), info.param.m, info.param.irrpol,
                          info.param.n, info.param.r, info.param.genstart);
}

INSTANTIATE_TEST_SUITE_P(Encoder, GeneratedBlock, ::testing::ValuesIn(EncoderCodes()), CodeName);
INSTANTIATE_TEST_SUITE_P(Decoder, GeneratedBlock, ::testing::ValuesIn(DecoderCodes()), CodeName);
INSTANTIATE_TEST_SUITE_P(Nightly, GeneratedBlock, ::testing::ValuesIn(NightlyCodes()), CodeName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GeneratedBlock);

TEST(GeneratedTestbench, FailsOnAChangedExpectedValue) {
  const Code code{"encoder", 4, 19, 15, 4, 0};
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), code));
  std::string vec = ReadFileText(dir.Path() / "rs.vec");
  const std::size_t at = vec.find("\n700> 5 = 6\n");
  ASSERT_NE(at, std::string::npos);
  WriteFileText(dir.Path() / "rs.vec", vec.replace(at, 12, "\n700> 5 = 7\n"));
  ASSERT_EQ(managertest::RunManager({"--generate", dir.Dir() + "rs.v"}).exitStatus, 0);
  const testsupport::RunResult run =
      Shell("cd " + dir.Dir() + " && iverilog -o sim rs_tb.v rs.v && vvp -n sim");
  EXPECT_NE(run.exitStatus, 0);
  EXPECT_NE(run.out.find("FAIL at 701: rsout is 6, expected 7\n18 checks, 1 failed\n"),
            std::string::npos)
      << run.out;
}

TEST(GeneratedTestbench, ErrorsTestbenchCatchesACorruptedExpectation) {
  const Code code{"streaming full", 4, 19, 15, 4, 0};
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), code));
  const fs::path testbench = dir.Path() / "rs_errors_tb.v";
  std::string text = ReadFileText(testbench);
  const std::size_t at = text.find("expSym[17] = ");
  ASSERT_NE(at, std::string::npos);
  const std::size_t value = at + 13;
  text[value] = text[value] == '1' ? '2' : '1';
  WriteFileText(testbench, text);
  ExpectRun(dir.Path(), "rs_errors_tb.v", false);
}

// The decoder's own clock counts differ from the generator's (the design edited by hand to
// another multiplier count): both testbenches fail at time 0 and name the count.
TEST(GeneratedTestbench, FailsWhenTheDecoderTimingDiffers) {
  const Code code{"streaming full", 4, 19, 15, 4, 0};  // nine multipliers, 11 clocks a word
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), code));
  const fs::path design = dir.Path() / "rs.v";
  std::string text = ReadFileText(design);
  const std::size_t at = text.find(".MULS(9)");
  ASSERT_NE(at, std::string::npos);
  WriteFileText(design, text.replace(at, 8, ".MULS(6)"));  // 16 clocks a word
  for (const char* testbench : {"rs_tb.v", "rs_errors_tb.v"}) {
    const testsupport::RunResult run =
        Shell("cd " + dir.Dir() + " && iverilog -o sim " + testbench + " rs.v && vvp -n sim");
    EXPECT_NE(run.exitStatus, 0) << testbench;
    EXPECT_NE(run.out.find("FAIL at 0: KES_LAT is 16, expected 11\n"), std::string::npos)
        << testbench << run.out;
  }
}

// The AXI4-Stream wrapper of every design in the tables above; in every run the encoder and the
// four decoder variants of one small code, the others in the long sweep.
bool IsQuickAxisCode(const Code& code) {
  return (code.m == 4 && code.n == 15 && code.r == 4) &&
         (std::string(code.kind) == "encoder" || code.irrpol == 25);
}

std::vector<Code> AxisCodes(bool quick) {
  std::vector<Code> codes;
  std::vector<Code> table = EncoderCodes();
  for (const Code& code : DecoderCodes()) table.push_back(code);
  for (const Code& code : table)
    if (IsQuickAxisCode(code) == quick) codes.push_back(code);
  if (!quick && !std::getenv("RSMANAGER_NIGHTLY_SWEEP")) codes.clear();
  return codes;
}

class AxisWrapper : public ::testing::TestWithParam<Code> {};

TEST_P(AxisWrapper, LintsAndPassesItsTestbenchUnderStalls) {
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), GetParam()));
  const testsupport::RunResult lint = Shell("cd " + dir.Dir() +
                                            " && verilator --lint-only -Wall --top-module rs_axis "
                                            "rs_axis.v rs.v");
  EXPECT_EQ(lint.exitStatus, 0) << lint.out;
  EXPECT_EQ(lint.out, "");
  ExpectRun(dir.Path(), "rs_axis_tb.v rs_axis.v");
}

INSTANTIATE_TEST_SUITE_P(Axis, AxisWrapper, ::testing::ValuesIn(AxisCodes(true)), CodeName);
INSTANTIATE_TEST_SUITE_P(NightlyAxis, AxisWrapper, ::testing::ValuesIn(AxisCodes(false)), CodeName);

// The header states what the C++ timing gives (DVB full streaming: a word every 204 clocks,
// FIFOs 256 x 9 and 1024 x 14 bits, worked in tests/hdl/axis_buffers_test.cpp), the block is
// instantiated, and the file holds the wrapper's modules but none of rs.v's.
TEST(AxisWrapperFile, StatesItsBuffersAndLeavesTheBlockToRsV) {
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), {"streaming full", 8, 285, 204, 16, 0}));
  const std::string text = ReadFileText(dir.Path() / "rs_axis.v");
  EXPECT_EQ(text.rfind("// Generated by rsmanager from rs.cnx;", 0), 0u);
  for (const char* line :
       {"// Rate: with s_axis_tvalid and m_axis_tready held 1, a word every 204 clocks,",
        "//   input FIFO: 256 x 9 bits,", "//   output FIFO: 1024 x 14 bits,",
        "\nmodule rs_axis (\n", "  output wire [5:0] m_axis_tuser,\n", "  rs block (\n",
        "    .dsout(1'b1),\n", ".M(8), .N(204), .NUMERR_W(5), .DISCRETE(0), .IN_AW(8), .OUT_AW(10)",
        "\nmodule rs_rs_axis_decoder #(", "\nmodule rs_rs_axis_fifo #(",
        "  rs_rs_ram #(.W(W), .AW(AW), .SYNC_READ(1)) u_mem ("})
    EXPECT_NE(text.find(line), std::string::npos) << line;
  EXPECT_EQ(text.find("module rs_rs_ram"), std::string::npos);
  EXPECT_EQ(text.find("module rs_rs_decoder"), std::string::npos);
  // The encoder's block holds no memory: its wrapper brings its own.
  testsupport::TempDir encoder;
  ASSERT_NO_FATAL_FAILURE(Generate(encoder.Path(), {"encoder", 8, 285, 204, 16, 0}));
  const std::string encoderText = ReadFileText(encoder.Path() / "rs_axis.v");
  EXPECT_NE(encoderText.find("\nmodule rs_rs_ram #("), std::string::npos);
  EXPECT_NE(encoderText.find("//   output FIFO: 4 x 8 bits,"), std::string::npos);
  EXPECT_EQ(encoderText.find("input FIFO"), std::string::npos);
}

// The (15,11) streaming decoder's wrapper, its testbench edited or the wrapper broken.
class AxisTestbenchFails : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(Generate(dir_.Path(), {"streaming full", 4, 19, 15, 4, 0}));
  }
  // Replaces the first `what` in `file`.
  void Edit(const char* file, const std::string& what, const std::string& with) {
    std::string text = ReadFileText(dir_.Path() / file);
    const std::size_t at = text.find(what);
    ASSERT_NE(at, std::string::npos) << what;
    WriteFileText(dir_.Path() / file, text.replace(at, what.size(), with));
  }
  testsupport::RunResult Run() {
    return Shell("cd " + dir_.Dir() +
                 " && iverilog -o sim rs_axis_tb.v rs_axis.v rs.v && vvp -n sim");
  }
  testsupport::TempDir dir_;
};

TEST_F(AxisTestbenchFails, OnACorruptedExpectation) {
  std::string text = ReadFileText(dir_.Path() / "rs_axis_tb.v");
  const std::size_t at = text.find("expSym[17] = ");
  ASSERT_NE(at, std::string::npos);
  text[at + 13] = text[at + 13] == '1' ? '2' : '1';
  WriteFileText(dir_.Path() / "rs_axis_tb.v", text);
  const testsupport::RunResult run = Run();
  EXPECT_NE(run.exitStatus, 0) << run.out;
  // Word 1's third symbol, each time the word is sent, and nothing else.
  EXPECT_NE(run.out.find(": m_axis_tdata is "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find(": word spacing is "), std::string::npos) << run.out;
}

// Half the output FIFO the block's clocks call for: nothing is lost, but the block no longer
// keeps its own rate.
TEST_F(AxisTestbenchFails, OnASlowerRateWithASmallerOutputFifo) {
  const std::string text = ReadFileText(dir_.Path() / "rs_axis.v");
  ASSERT_NE(text.find(".OUT_AW(6)"), std::string::npos) << text;
  ASSERT_NO_FATAL_FAILURE(Edit("rs_axis.v", ".OUT_AW(6)", ".OUT_AW(5)"));
  const testsupport::RunResult run = Run();
  EXPECT_NE(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find(": word spacing is "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find(": m_axis_"), std::string::npos) << run.out;
}

// A wrapper that admits words without output room loses symbols, and the testbench sees it.
TEST_F(AxisTestbenchFails, WhenTheWrapperIgnoresItsOutputRoom) {
  ASSERT_NO_FATAL_FAILURE(Edit("rs_axis.v", "wire room = credit_q >= WORD;", "wire room = 1'b1;"));
  const testsupport::RunResult run = Run();
  EXPECT_NE(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find(": m_axis_tdata is "), std::string::npos) << run.out;
}

// A wrapper whose output changes while m_axis_tready is 0 breaks the protocol check.
TEST_F(AxisTestbenchFails, WhenAHeldBeatChanges) {
  ASSERT_NO_FATAL_FAILURE(Edit("rs_axis.v", ".out_ready(m_tready)", ".out_ready(1'b1)"));
  const testsupport::RunResult run = Run();
  EXPECT_NE(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find(": held tdata is "), std::string::npos) << run.out;
}

// A misplaced tlast: the events must come, one clock after the beat.
TEST_F(AxisTestbenchFails, WhenTheTlastEventsStayQuiet) {
  ASSERT_NO_FATAL_FAILURE(
      Edit("rs_axis.v", "missing_q <= beat && last && !tlast;", "missing_q <= 1'b0;"));
  const testsupport::RunResult run = Run();
  EXPECT_NE(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find(": tlast_missing is 0, expected 1"), std::string::npos) << run.out;
}

class ComponentDeclaration : public ::testing::TestWithParam<Code> {};

TEST_P(ComponentDeclaration, AnalysesInGhdl) {
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), GetParam(), "rs.vhd"));
  EXPECT_FALSE(fs::exists(dir.Path() / "rs.v"));
  WriteFileText(dir.Path() / "p.vhd",
                "library ieee;\nuse ieee.std_logic_1164.all;\npackage p is\n" +
                    ReadFileText(dir.Path() / "rs.cmp") + "end package;\n");
  const testsupport::RunResult run = Shell("cd " + dir.Dir() + " && ghdl -a --std=08 p.vhd");
  EXPECT_EQ(run.exitStatus, 0) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Block, ComponentDeclaration,
                         ::testing::Values(Code{"encoder", 8, 285, 204, 16, 0},
                                           Code{"streaming half", 6, 91, 40, 8, 2}),
                         [](const auto& info) {
                           return std::string(info.index ? "Decoder" : "Encoder");
                         });

}  // namespace

namespace {

class Synthesis : public ::testing::TestWithParam<Code> {};

TEST_P(Synthesis, WithYosys) {
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), GetParam()));
  const testsupport::RunResult run =
      Shell("cd " + dir.Dir() + " && yosys -q -p 'synth -top rs' rs.v");
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_EQ(run.out.find("ERROR"), std::string::npos) << run.out;
}

// The wrapper synthesizes, and its two FIFOs stay memories (block or LUT RAM), not flip-flops:
// four memories with the decoder's own two.
TEST(AxisSynthesis, WithYosysKeepingTheFifosAsMemories) {
  testsupport::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(Generate(dir.Path(), {"discrete half", 4, 25, 15, 4, 3}));
  // The memories counted where synth has inferred them and not yet mapped them to cells.
  const testsupport::RunResult synth =
      Shell("cd " + dir.Dir() +
            " && yosys -q -p 'read_verilog rs_axis.v rs.v; synth -flatten -top rs_axis -run :fine; "
            "tee -q -o stat.txt stat; synth -flatten -top rs_axis -run fine:' && grep -E "
            "'\\$mem' stat.txt");
  EXPECT_EQ(synth.exitStatus, 0) << synth.out;
  EXPECT_EQ(synth.out.find("ERROR"), std::string::npos) << synth.out;
  EXPECT_NE(synth.out.find(" 4\n"), std::string::npos) << synth.out;
}

INSTANTIATE_TEST_SUITE_P(Block, Synthesis,
                         ::testing::Values(Code{"encoder", 8, 285, 204, 16, 0},
                                           Code{"streaming full", 6, 91, 40, 8, 2}),
                         [](const auto& info) {
                           return std::string(info.index ? "Decoder" : "Encoder");
                         });

}  // namespace

namespace {

// The encoder's parameter checks: an impossible value stops the linter, the simulator and the
// synthesizer alike, each naming what is wrong; the possible neighbour passes all three.
struct Parameters {
  const char* name;
  int m, n, r, irrpol;
  const char* stop;  // the missing module named; "" when all three must pass
};

void PrintTo(const Parameters& p, std::ostream* os) {
  *os << p.name;
}

class EncoderParameters : public ::testing::TestWithParam<Parameters> {};

TEST_P(EncoderParameters, StopEveryToolOrNone) {
  const Parameters& p = GetParam();
  testsupport::TempDir dir;
  WriteFileText(dir.Path() / "w.v",
                platform::Format(
                    "module w(input wire clk, input wire reset, input wire start,\n"
                    "         input wire enable, input wire [%d:0] din, output wire [%d:0] dout);\n"
                    "  rs_encoder #(.M(%d), .N(%d), .R(%d), .IRRPOL(%d)) core (.clk(clk),\n"
                    "    .reset(reset), .start(start), .enable(enable), .din(din), .dout(dout));\n"
                    "endmodule\n",
                    p.m - 1, p.m - 1, p.m, p.n, p.r, p.irrpol));
  const std::string rtl = managertest::RtlDirectory().string();
  const std::string files = "w.v " + rtl + "/rs_encoder.v";
  const std::string commands[] = {
      "verilator --lint-only -Wall -Wno-UNUSEDPARAM -I" + rtl + " --top-module w " + files,
      "iverilog -g2005 -I" + rtl + " -o sim " + files,
      "yosys -q -p 'read_verilog -I" + rtl + " " + files + "; synth -top w'"};
  for (const std::string& command : commands) {
    const testsupport::RunResult run = Shell("cd " + dir.Dir() + " && " + command);
    if (*p.stop) {
      EXPECT_NE(run.exitStatus, 0) << command;
      EXPECT_NE(run.out.find(p.stop), std::string::npos) << command << "\n" << run.out;
    } else {
      EXPECT_EQ(run.exitStatus, 0) << command << "\n" << run.out;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rtl, EncoderParameters,
    ::testing::Values(
        Parameters{"Possible", 4, 15, 4, 19, ""}, Parameters{"TwoCheckSymbols", 4, 3, 2, 19, ""},
        Parameters{"OneCheckSymbol", 4, 15, 1, 19, "rs_encoder_needs_R_at_least_2"},
        Parameters{"NoMessage", 4, 4, 4, 19, "rs_encoder_needs_N_above_R"},
        Parameters{"LongerThanTheField", 4, 16, 4, 19, "rs_encoder_needs_N_below_2_pow_M"},
        Parameters{"PolynomialOfLowerDegree", 4, 15, 4, 9, "rs_encoder_needs_IRRPOL_of_degree_M"},
        Parameters{"PolynomialOfHigherDegree", 4, 15, 4, 37, "rs_encoder_needs_IRRPOL_of_degree_M"},
        // Every check fails here; which one a tool names first is its own affair.
        Parameters{"OneBitSymbols", 1, 1, 2, 3, "rs_encoder_needs_"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
