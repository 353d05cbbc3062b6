#include "hdl/testbench_text.h"

#include <utility>

#include "hdl/decoder_timing.h"
#include "hdl/marked_files.h"
#include "hdl/verilog_text.h"
#include "platform/text_format.h"

namespace hdl {

using platform::Format;

std::string TestbenchHead(const BlockDescription& block, const TestbenchNames& names) {
  std::string text = HeaderLine(CommentStyle::kVerilog, names.cnxName);
  text += "module " + names.testbench + ";\n";
  std::string connections;
  for (const BlockPort& port : block.ports) {
    text += port.output ? "  wire " + BusRange(port) + port.name + ";\n"
                        : "  reg " + BusRange(port) + port.name + " = 0;\n";
    connections +=
        (connections.empty() ? "" : ", ") + Format(".%s(%s)", port.name.c_str(), port.name.c_str());
  }
  text +=
      "  integer checks = 0;\n"
      "  integer failed = 0;\n\n"
      "  " +
      names.design + " dut (" + connections + ");\n\n" + CheckTasks();
  if (block.IsDecoder()) text += DecoderTimingCheck(block);
  return text;
}

std::string DecoderTimingCheck(const BlockDescription& block) {
  const DecoderTiming timing = DecoderTimingOf(block);
  const std::pair<const char*, int> counts[] = {
      {"KES_LAT", timing.solverLatency}, {"KES_GAP", timing.solverGap},
      {"SPACE", timing.wordSpacing},     {"GUARD", timing.inputGuard},
      {"OUT_LAT", timing.outputLatency}, {"RX_WORDS", timing.receivedWords},
      {"ERR_WORDS", timing.errorWords}};
  std::string text =
      "  // The decoder's clock counts, as its RTL computes them, against the generator's: the\n"
      "  // words' timing in this testbench rests on them.\n"
      "  initial begin\n";
  for (const auto& [name, value] : counts)
    text += Format("    check(dut.core.%s, %d, \"%s\");\n", name, value, name);
  return text + "  end\n\n";
}

std::string CheckTasks() {
  return "  // Every comparison counts; a failed one names its time.\n"
         "  task check;\n"
         "    input [63:0] got;\n"
         "    input [63:0] want;\n"
         "    input [8*16:1] signal;\n"
         "    begin\n"
         "      checks = checks + 1;\n"
         "      if (got !== want) begin\n"
         "        failed = failed + 1;\n"
         "        $display(\"FAIL at %0t: %0s is %0d, expected %0d\", $time, signal, got, want);\n"
         "      end\n"
         "    end\n"
         "  endtask\n\n"
         "  task report;\n"
         "    begin\n"
         "      $display(\"%0d checks, %0d failed\", checks, failed);\n"
         "      if (failed != 0) $fatal(1);\n"
         "      $finish;\n"
         "    end\n"
         "  endtask\n\n";
}

std::string DecoderExpectations(const BlockDescription& block, int capacity) {
  return Format(
      "  localparam CW = %d;  // codewords held\n"
      "  reg [%d:1] expSym [0:CW*%d-1];\n"
      "  reg [%d:1] expNumerr [0:CW-1];\n"
      "  reg expFail [0:CW-1];\n"
      "  integer queued = 0;   // codewords expected\n"
      "  integer outCw = 0;    // the codeword coming out\n"
      "  integer outSym = 0;   // its next symbol\n"
      "  integer cameOut = 0;  // codewords that came out whole\n\n",
      capacity, block.m, block.n, block.numerrWidth);
}

std::string DecoderOutputCheck(const BlockDescription& block) {
  return Format(
      "      if (outvalid === 1'b1) begin\n"
      "        if (outCw == queued) begin\n"
      "          checks = checks + 1;\n"
      "          failed = failed + 1;\n"
      "          $display(\"FAIL at %%0t: outvalid with no codeword sent\", $time);\n"
      "        end else begin\n"
      "          check(rsout, expSym[(outCw %% CW) * %d + outSym], \"rsout\");\n"
      "          check(numerr, expNumerr[outCw %% CW], \"numerr\");\n"
      "          check(decfail, expFail[outCw %% CW], \"decfail\");\n"
      "          outSym = outSym + 1;\n"
      "          if (outSym == %d) begin\n"
      "            outSym = 0;\n"
      "            outCw = outCw + 1;\n"
      "            cameOut = cameOut + 1;\n"
      "          end\n"
      "        end\n"
      "      end\n",
      block.n, block.n);
}

std::string TestbenchTail() {
  return "endmodule\n";
}

}  // namespace hdl
