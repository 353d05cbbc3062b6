#include "hdl/error_testbench.h"

#include <vector>

#include "hdl/decoder_test_words.h"
#include "hdl/decoder_timing.h"
#include "platform/text_format.h"

namespace hdl {

namespace {

using platform::Format;

std::string Driver(const BlockDescription& block, int count) {
  std::string text =
      "  // Reset for two clocks, then the words.\n"
      "  initial begin\n"
      "    reset = 1;\n"
      "    dsout = 1;\n"
      "    @(posedge sysclk);\n"
      "    @(posedge sysclk);\n"
      "    #1 reset = 0;\n";
  if (block.kind == BlockKind::kDiscreteDecoder) {
    text += Format(
        "    // A symbol is taken on each edge where dsin and rdyin are both 1.\n"
        "    for (c = 0; c < %d; c = c + 1) begin\n"
        "      j = 0;\n"
        "      while (j < %d) begin\n"
        "        rsin = rxSym[c * %d + j];\n"
        "        dsin = 1;\n"
        "        bypass = j == 0 && rxBypass[c];\n"
        "        @(posedge sysclk);\n"
        "        if (rdyin === 1'b1) j = j + 1;\n"
        "        #1;\n"
        "      end\n"
        "    end\n",
        count, block.n, block.n);
  } else {
    text += Format(
        "    // A one-clock dsin pulse on each word's first symbol, a word every %d clocks.\n"
        "    for (c = 0; c < %d; c = c + 1) begin\n"
        "      for (j = 0; j < %d; j = j + 1) begin\n"
        "        rsin = j < %d ? rxSym[c * %d + j] : 0;\n"
        "        dsin = j == 0;\n"
        "        bypass = j == 0 && rxBypass[c];\n"
        "        @(posedge sysclk);\n"
        "        #1;\n"
        "      end\n"
        "    end\n",
        DecoderTimingOf(block).wordSpacing, count, DecoderTimingOf(block).wordSpacing, block.n,
        block.n);
  }
  return text + "    dsin = 0;\n    bypass = 0;\n    rsin = 0;\n  end\n\n";
}

// Clocks by which every word must have come out: the words, each taking the decoder's word
// spacing (and a discrete one its guard after that), then the last one's way through.
long Timeout(const BlockDescription& block, int count) {
  const DecoderTiming timing = DecoderTimingOf(block);
  const long perWord =
      timing.wordSpacing + (block.kind == BlockKind::kDiscreteDecoder ? timing.inputGuard : 0);
  return 2 + count * perWord + timing.outputLatency + 2L * block.n + 100;
}

}  // namespace

std::string ErrorTestbench(const BlockDescription& block, const TestbenchNames& names) {
  const std::vector<TestWord> words = TestWords(block);
  const int count = static_cast<int>(words.size());
  std::string text = TestbenchHead(block, names);
  text += DecoderExpectations(block, count);
  text += Format(
      "  reg [%d:1] rxSym [0:%d];\n"
      "  reg rxBypass [0:%d];\n"
      "  integer c;\n"
      "  integer j;\n\n"
      "  initial begin\n",
      block.m, count * block.n - 1, count - 1);
  for (int w = 0; w < count; ++w) {
    const TestWord& word = words[static_cast<std::size_t>(w)];
    text += Format("    // word %d: %d errors, %s, numerr %d, decfail %d\n", w, word.injected,
                   word.bypass    ? "bypassed"
                   : word.decfail ? "not correctable"
                                  : "corrected",
                   word.numerr, word.decfail ? 1 : 0);
    text += WordLines("rxSym", w * block.n, word.received);
    text += WordLines("expSym", w * block.n, word.expected);
    text += Format("    rxBypass[%d] = %d;\n    expNumerr[%d] = %d;\n    expFail[%d] = %d;\n", w,
                   word.bypass ? 1 : 0, w, word.numerr, w, word.decfail ? 1 : 0);
  }
  text += Format("    queued = %d;\n  end\n\n", count);
  text += "  always #50 sysclk = ~sysclk;\n\n";
  text += Driver(block, count);
  text += "  always @(posedge sysclk) begin\n    if (reset === 1'b0) begin\n";
  text += DecoderOutputCheck(block);
  text += Format("      if (cameOut == %d) report;\n    end\n  end\n\n", count);
  text += Format(
      "  initial begin\n"
      "    #%ld;\n"
      "    checks = checks + 1;\n"
      "    failed = failed + 1;\n"
      "    $display(\"FAIL at %%0t: time ran out: %%0d of %d words came out\", $time, cameOut);\n"
      "    report;\n"
      "  end\n\n",
      Timeout(block, count) * 100, count);
  return text + TestbenchTail();
}

}  // namespace hdl
