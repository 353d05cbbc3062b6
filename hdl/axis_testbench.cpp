#include "hdl/axis_testbench.h"

#include <cstdint>
#include <random>
#include <vector>

#include "hdl/axis_buffers.h"
#include "hdl/decoder_test_words.h"
#include "hdl/marked_files.h"
#include "platform/text_format.h"
#include "rsmath/rs_decoder.h"

namespace hdl {

namespace {

using platform::Format;

constexpr int kEncoderWords = 12;

struct AxisWord {
  std::vector<int32_t> in;   // coefficient order, highest last: the last goes first on the wire
  std::vector<int32_t> out;  // likewise
  int user = 0;              // decoder: {decfail, numerr}
  bool bypass = false;
  std::string note;
};

std::uint32_t SeedOf(const BlockDescription& block) {
  return static_cast<std::uint32_t>(block.m * 7919 + block.n * 131 + block.check * 17 +
                                    block.irrpol + block.genstart +
                                    static_cast<int>(block.kind) * 3);
}

// Random messages, the first all zero and the second all ones.
std::vector<AxisWord> EncoderWords(const BlockDescription& block) {
  const rsmath::GaloisField field{block.m, block.n, block.irrpol, block.check, block.genstart};
  std::mt19937 random(SeedOf(block));
  const int k = block.n - block.check;
  std::vector<AxisWord> words;
  for (int w = 0; w < kEncoderWords; ++w) {
    std::vector<int32_t> message(static_cast<std::size_t>(k));
    for (int32_t& symbol : message)
      symbol = w == 0   ? 0
               : w == 1 ? (1 << block.m) - 1
                        : static_cast<int32_t>(random() % (1u << block.m));
    AxisWord word;
    word.out = rsmath::EncodeWord(field, message);
    word.in.assign(word.out.begin() + block.check, word.out.end());
    word.note = w == 0 ? "zeros" : w == 1 ? "ones" : "random";
    words.push_back(std::move(word));
  }
  return words;
}

std::vector<AxisWord> DecoderWords(const BlockDescription& block) {
  std::vector<AxisWord> words;
  for (const TestWord& test : TestWords(block)) {
    AxisWord word;
    word.in = test.received;
    word.out = test.expected;
    word.user = (test.decfail ? 1 << block.numerrWidth : 0) | test.numerr;
    word.bypass = test.bypass;
    word.note = Format("%d errors, %s, numerr %d, decfail %d", test.injected,
                       test.bypass    ? "bypassed"
                       : test.decfail ? "not correctable"
                                      : "corrected",
                       test.numerr, test.decfail ? 1 : 0);
    words.push_back(std::move(word));
  }
  return words;
}

std::string Signals(const BlockDescription& block, const std::string& design) {
  const bool decoder = block.IsDecoder();
  std::string text = Format(
      "  reg aclk = 0;\n"
      "  reg aresetn = 0;\n"
      "  reg [%d:0] s_axis_tdata = 0;\n"
      "  reg s_axis_tvalid = 0;\n"
      "  reg s_axis_tlast = 0;\n"
      "%s"
      "  reg m_axis_tready = 0;\n"
      "  wire s_axis_tready;\n"
      "  wire [%d:0] m_axis_tdata;\n"
      "  wire m_axis_tvalid;\n"
      "  wire m_axis_tlast;\n",
      block.m - 1, decoder ? "  reg s_axis_tuser = 0;\n" : "", block.m - 1);
  text += decoder ? Format("  wire [%d:0] m_axis_tuser;\n", block.numerrWidth)
                  : "  wire [0:0] m_axis_tuser = 1'b0;  // none: checked against 0\n";
  text +=
      "  wire event_tlast_missing;\n"
      "  wire event_tlast_unexpected;\n"
      "  integer checks = 0;\n"
      "  integer failed = 0;\n\n";
  text += "  " + design + "_axis dut (\n";
  text +=
      "    .aclk(aclk), .aresetn(aresetn),\n"
      "    .s_axis_tdata(s_axis_tdata), .s_axis_tvalid(s_axis_tvalid),\n"
      "    .s_axis_tready(s_axis_tready), .s_axis_tlast(s_axis_tlast),\n";
  if (decoder) text += "    .s_axis_tuser(s_axis_tuser), .m_axis_tuser(m_axis_tuser),\n";
  text +=
      "    .m_axis_tdata(m_axis_tdata), .m_axis_tvalid(m_axis_tvalid),\n"
      "    .m_axis_tready(m_axis_tready), .m_axis_tlast(m_axis_tlast),\n"
      "    .event_tlast_missing(event_tlast_missing),\n"
      "    .event_tlast_unexpected(event_tlast_unexpected));\n\n";
  return text;
}

std::string WordTables(const BlockDescription& block, const std::vector<AxisWord>& words) {
  const int count = static_cast<int>(words.size());
  const int in = static_cast<int>(words.front().in.size());
  const int userBits = block.IsDecoder() ? block.numerrWidth + 1 : 1;
  std::string text = Format(
      "  reg [%d:0] inSym [0:WORDS*IN-1];\n"
      "  reg inUser [0:WORDS-1];\n"
      "  reg [%d:0] expSym [0:WORDS*OUT-1];\n"
      "  reg [%d:0] expUser [0:WORDS-1];\n\n"
      "  initial begin\n",
      block.m - 1, block.m - 1, userBits - 1);
  for (int w = 0; w < count; ++w) {
    const AxisWord& word = words[static_cast<std::size_t>(w)];
    text += Format("    // word %d: %s\n", w, word.note.c_str());
    text += WordLines("inSym", w * in, word.in);
    text += WordLines("expSym", w * block.n, word.out);
    text += Format("    inUser[%d] = %d;\n    expUser[%d] = %d;\n", w, word.bypass ? 1 : 0, w,
                   word.user);
  }
  return text + "  end\n\n";
}

// The driver's tlast: right in the first pass; in the second, missing on word 1, also on the
// first beat of word 2 and on every beat of word 3.
const char* kSentLast =
    "  function sentLast;\n"
    "    input integer index;  // of the beat, both passes counted\n"
    "    integer w, b;\n"
    "    begin\n"
    "      w = index / IN - WORDS;  // of the second pass\n"
    "      b = index % IN;\n"
    "      if (w < 1 || w > 3) sentLast = b == IN - 1;\n"
    "      else if (w == 1) sentLast = 0;\n"
    "      else if (w == 2) sentLast = b == 0 || b == IN - 1;\n"
    "      else sentLast = 1;\n"
    "    end\n"
    "  endfunction\n\n";

const char* kBench =
    "  always #50 aclk = ~aclk;\n\n"
    "  initial begin\n"
    "    repeat (3) @(posedge aclk);\n"
    "    #1 aresetn = 1;\n"
    "  end\n\n"
    "  integer seed = SEED;\n"
    "  integer clock = 0;       // edges since the reset\n"
    "  integer sent = 0;        // beats taken by s_axis, both passes\n"
    "  integer got = 0;         // beats taken from m_axis\n"
    "  integer tail = 0;        // edges after the last beat\n"
    "  reg stalls = 0;          // the second pass\n"
    "  integer sMode = 0;\n"
    "  integer sLeft = 0;\n"
    "  integer mMode = 0;\n"
    "  integer mLeft = 0;\n"
    "  integer firstAt = 0;     // the edge of the last word's first beat out\n"
    "  integer waited = 0;      // edges on which m_axis_tvalid waited for m_axis_tready\n"
    "  integer pushedBack = 0;  // edges on which s_axis_tready kept a beat waiting\n"
    "  integer word;\n"
    "  integer beat;\n"
    "  reg sGo;\n"
    "  reg holding = 0;         // m_axis offered a beat on the last edge and kept it\n"
    "  reg [M-1:0] heldData;\n"
    "  reg heldLast;\n"
    "  reg [USER_W-1:0] heldUser;\n"
    "  reg expMissing = 0;\n"
    "  reg expUnexpected = 0;\n\n"
    "  always @(posedge aclk) if (aresetn === 1'b1) begin\n"
    "    clock = clock + 1;\n"
    "    check(^{s_axis_tready, m_axis_tvalid, event_tlast_missing, event_tlast_unexpected}\n"
    "          === 1'bx, 0, \"an X on control\");\n"
    "    // Events one clock after the beat that earns them, and at no other time.\n"
    "    check(event_tlast_missing, expMissing, \"tlast_missing\");\n"
    "    check(event_tlast_unexpected, expUnexpected, \"tlast_unexpected\");\n"
    "    expMissing = 0;\n"
    "    expUnexpected = 0;\n"
    "    if (holding) begin\n"
    "      check(m_axis_tvalid, 1, \"held tvalid\");\n"
    "      check(m_axis_tdata, heldData, \"held tdata\");\n"
    "      check(m_axis_tlast, heldLast, \"held tlast\");\n"
    "      check(m_axis_tuser, heldUser, \"held tuser\");\n"
    "    end\n"
    "    holding = m_axis_tvalid && !m_axis_tready;\n"
    "    if (holding) waited = waited + 1;\n"
    "    heldData = m_axis_tdata;\n"
    "    heldLast = m_axis_tlast;\n"
    "    heldUser = m_axis_tuser;\n"
    "    if (m_axis_tvalid && m_axis_tready) begin\n"
    "      if (got >= TOTAL * OUT) begin\n"
    "        check(got, TOTAL * OUT - 1, \"beats out\");\n"
    "      end else begin\n"
    "        word = (got / OUT) % WORDS;\n"
    "        beat = got % OUT;\n"
    "        check(m_axis_tdata, expSym[word * OUT + beat], \"m_axis_tdata\");\n"
    "        check(m_axis_tlast, beat == OUT - 1, \"m_axis_tlast\");\n"
    "        check(m_axis_tuser, expUser[word], \"m_axis_tuser\");\n"
    "        // Unstalled, the words leave at the block's own rate.\n"
    "        if (beat == 0 && got > 0 && got < WORDS * OUT)\n"
    "          check(clock - firstAt, SPACING, \"word spacing\");\n"
    "        if (beat == 0) firstAt = clock;\n"
    "        got = got + 1;\n"
    "      end\n"
    "    end\n"
    "    if (s_axis_tvalid && !s_axis_tready) pushedBack = pushedBack + 1;\n"
    "    if (s_axis_tvalid && s_axis_tready) begin\n"
    "      expMissing = sent % IN == IN - 1 && !s_axis_tlast;\n"
    "      expUnexpected = sent % IN != IN - 1 && s_axis_tlast;\n"
    "      sent = sent + 1;\n"
    "    end\n"
    "    if (got == WORDS * OUT) stalls = 1;\n"
    "    // Stall patterns, each for up to three word spacings: none, half the clocks, one in\n"
    "    // eight, and all (s_axis); on m_axis also tready only after tvalid was seen, and none\n"
    "    // for up to twice the clocks the wrapper takes to fill up.\n"
    "    if (sLeft == 0) begin\n"
    "      sMode = {$random(seed)} % 4;\n"
    "      sLeft = 1 + {$random(seed)} % (3 * SPACING);\n"
    "    end else sLeft = sLeft - 1;\n"
    "    if (mLeft == 0) begin\n"
    "      mMode = {$random(seed)} % 5;\n"
    "      mLeft = 1 + {$random(seed)} % (mMode == 4 ? 2 * FILL : 3 * SPACING);\n"
    "    end else mLeft = mLeft - 1;\n"
    "    sGo = !stalls || sMode == 0 || (sMode == 1 && {$random(seed)} % 2 == 0)\n"
    "          || (sMode == 2 && {$random(seed)} % 8 == 0);\n"
    "    // A beat offered stays until taken.\n"
    "    if (!(s_axis_tvalid && !s_axis_tready)) begin\n"
    "      if (sent < (stalls ? TOTAL : WORDS) * IN && sGo) begin\n"
    "        s_axis_tvalid <= 1;\n"
    "        s_axis_tdata <= inSym[sent % (WORDS * IN)];\n"
    "        s_axis_tlast <= sentLast(sent);\n"
    "SET_USER"
    "      end else begin\n"
    "        s_axis_tvalid <= 0;\n"
    "        s_axis_tdata <= $random(seed);\n"
    "        s_axis_tlast <= $random(seed);\n"
    "      end\n"
    "    end\n"
    "    if (!stalls || got >= TOTAL * OUT || mMode == 0) m_axis_tready <= 1;\n"
    "    else if (mMode == 1) m_axis_tready <= {$random(seed)} % 2 == 0;\n"
    "    else if (mMode == 2) m_axis_tready <= {$random(seed)} % 8 == 0;\n"
    "    else if (mMode == 3) m_axis_tready <= m_axis_tvalid && !m_axis_tready;\n"
    "    else m_axis_tready <= 0;\n"
    "    // Nothing more may come out after the last word.\n"
    "    if (got >= TOTAL * OUT) tail = tail + 1;\n"
    "    if (tail == TAIL) begin\n"
    "      check(sent, TOTAL * IN, \"beats in\");\n"
    "      checks = checks + 2;\n"
    "      if (waited == 0 || pushedBack == 0) begin\n"
    "        failed = failed + 1;\n"
    "        $display(\"FAIL: the stalls never held m_axis (%0d) or s_axis (%0d)\", waited,\n"
    "                 pushedBack);\n"
    "      end\n"
    "      report;\n"
    "    end\n"
    "  end\n\n";

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  for (std::size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

}  // namespace

std::string AxisTestbench(const BlockDescription& block, const TestbenchNames& names) {
  const std::vector<AxisWord> words = block.IsDecoder() ? DecoderWords(block) : EncoderWords(block);
  const AxisBuffers buffers = AxisBuffersOf(block);
  const int count = static_cast<int>(words.size());
  const int in = static_cast<int>(words.front().in.size());
  // Enough stalled words to fill the wrapper's buffers three times over.
  const long fill = buffers.output.depth + buffers.input.depth + 2L * block.n;
  int stalledWords = count;
  while (stalledWords * static_cast<long>(block.n) < 3 * (fill + buffers.firstOut))
    stalledWords += count;
  std::string text = HeaderLine(CommentStyle::kVerilog, names.cnxName);
  text += "// " + names.design +
          "_axis under test: the words once unstalled, where they must leave the block's word\n"
          "// spacing apart, then again and again under heavy random stalls on both sides, with\n"
          "// tlast misplaced on three words. Every beat out is judged against the software " +
          (block.IsDecoder() ? std::string("decoder") : std::string("encoder")) + ".\n";
  text += "module " + names.testbench + ";\n";
  text += Signals(block, names.design);
  text += CheckTasks();
  text += Format(
      "  localparam M = %d;\n"
      "  localparam WORDS = %d;    // words of the unstalled pass\n"
      "  localparam TOTAL = %d;    // and of both: the stalled pass repeats them\n"
      "  localparam IN = %d;       // beats of a packet in\n"
      "  localparam OUT = %d;      // beats of a packet out\n"
      "  localparam SPACING = %d;  // clocks from one word to the next at the block's rate\n"
      "  localparam USER_W = %d;\n"
      "  localparam SEED = %u;\n"
      "  localparam TAIL = %d;     // edges watched after the last beat\n"
      "  localparam FILL = %ld;     // clocks m_axis must stall to fill the wrapper's buffers\n\n",
      block.m, count, count + stalledWords, in, block.n, buffers.wordClocks,
      block.IsDecoder() ? block.numerrWidth + 1 : 1, SeedOf(block) % 1000003u, 2 * block.n + 20,
      fill);
  text += WordTables(block, words);
  text += kSentLast;
  text += Replace(kBench, "SET_USER",
                  block.IsDecoder()
                      ? "        s_axis_tuser <= sent % IN == 0 ? inUser[(sent / IN) % WORDS]\n"
                        "                                       : $random(seed);\n"
                      : "");
  // Unstalled the words take their spacing each after the first one's latency; stalled, all
  // four patterns on both sides give about a beat in six.
  const long timeout = 4L * buffers.firstOut + 4L * block.n +
                       24L * (count + stalledWords) * (buffers.wordClocks + fill / count) + 1000;
  text += Format(
      "  initial begin\n"
      "    #%ld;\n"
      "    checks = checks + 1;\n"
      "    failed = failed + 1;\n"
      "    $display(\"FAIL at %%0t: time ran out: %%0d of %%0d beats came out\", $time, got,\n"
      "             TOTAL * OUT);\n"
      "    report;\n"
      "  end\n\n",
      timeout * 100);
  return text + TestbenchTail();
}

}  // namespace hdl
