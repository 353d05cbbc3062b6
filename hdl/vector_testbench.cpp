#include "hdl/vector_testbench.h"

#include <algorithm>
#include <map>

#include "hdl/refusal.h"
#include "platform/text_format.h"

namespace hdl {

namespace {

using platform::Format;

constexpr int kCodewordsHeld = 64;

void CheckSignal(const BlockDescription& block, const VectorSignal& signal, bool output,
                 const std::string& vecName) {
  const auto port = std::find_if(block.ports.begin(), block.ports.end(),
                                 [&](const BlockPort& p) { return p.name == signal.name; });
  const int width = signal.bus ? signal.msb - signal.lsb + 1 : 0;
  if (port == block.ports.end() || port->output != output || port->width != width ||
      (signal.bus && signal.lsb != 1))
    throw Refusal(Format("%s: %s is not %s of the block as written there", vecName.c_str(),
                         signal.name.c_str(), output ? "an output" : "an input"));
}

// The value a timed input holds at time t: its last entry at or before t, 0 before the first.
long ValueAt(const VectorPattern& pattern, std::size_t input, long t) {
  long value = 0;
  for (const VectorEntry& entry : pattern.entries) {
    if (entry.time > t) break;
    value = entry.inputs[input];
  }
  return value;
}

class Timeline {
 public:
  explicit Timeline(const VectorFile& vectors) : vectors_(vectors) {}

  const VectorPattern* Driving(const std::string& name, std::size_t& input) const {
    for (const VectorPattern& pattern : vectors_.patterns)
      for (std::size_t i = 0; i < pattern.inputs.size(); ++i)
        if (pattern.inputs[i].name == name && pattern.cycle.empty()) {
          input = i;
          return &pattern;
        }
    return nullptr;
  }

  long InputAt(const std::string& name, long t) const {
    std::size_t input = 0;
    const VectorPattern* pattern = Driving(name, input);
    return pattern ? ValueAt(*pattern, input, t) : 0;
  }

  // The rising edges of the repeating pattern of clock, up to STOP.
  std::vector<long> RisingEdges(const std::string& clock) const {
    std::vector<long> edges;
    for (const VectorPattern& pattern : vectors_.patterns) {
      if (pattern.cycle.empty() || pattern.inputs[0].name != clock) continue;
      const std::size_t length = pattern.cycle.size();
      long before = 0;
      for (long i = 0; vectors_.start + i * vectors_.interval <= vectors_.stop; ++i) {
        const long value = pattern.cycle[static_cast<std::size_t>(i) % length];
        if (value == 1 && before == 0) edges.push_back(vectors_.start + i * vectors_.interval);
        before = value;
      }
    }
    return edges;
  }

  long LastEntryOf(const std::string& name) const {
    std::size_t input = 0;
    const VectorPattern* pattern = Driving(name, input);
    return pattern && !pattern->entries.empty() ? pattern->entries.back().time : 0;
  }

 private:
  const VectorFile& vectors_;
};

// The codewords the file's data holds: those the decoder takes, by the port rules, before the
// last rsin entry. A discrete decoder's later codewords depend on its rdyin, so only the first
// one after reset counts there.
int RequiredCodewords(const BlockDescription& block, const Timeline& timeline) {
  const long lastData = timeline.LastEntryOf("rsin");
  const bool discrete = block.kind == BlockKind::kDiscreteDecoder;
  int required = 0;
  bool seenReset = false;
  long dsinBefore = 0;
  int taken = -1;  // symbols of the codeword being taken; -1 when none is
  for (long edge : timeline.RisingEdges("sysclk")) {
    const long dsin = timeline.InputAt("dsin", edge);
    if (timeline.InputAt("reset", edge) == 1) {
      seenReset = true;
      required = 0;
      taken = discrete ? 0 : -1;
    } else if (seenReset && !(discrete && required == 1)) {
      if (!discrete && dsin == 1 && dsinBefore == 0 && taken < 0) taken = 0;
      const bool takes = discrete ? dsin == 1 : taken >= 0;
      if (takes && ++taken == block.n) {
        if (edge <= lastData) ++required;
        taken = discrete ? 0 : -1;
      }
    }
    dsinBefore = dsin;
  }
  return required;
}

std::string DecoderMonitor(const BlockDescription& block) {
  const bool discrete = block.kind == BlockKind::kDiscreteDecoder;
  const int idle = discrete ? 0 : block.n;
  std::string text = DecoderExpectations(block, kCodewordsHeld);
  text += Format(
      "  // The codewords the decoder takes, by its port rules, must come out unchanged: a\n"
      "  // streaming word starts where dsin rises while no word is coming in and rdyin is 1.\n"
      "  reg seenReset = 0;\n"
      "  reg dsinBefore = 0;\n"
      "  integer inSym = %d;\n"
      "  always @(posedge sysclk) begin\n"
      "    if (reset === 1'b1) begin\n"
      "      seenReset = 1;\n"
      "      outCw = queued;\n"
      "      outSym = 0;\n"
      "      cameOut = 0;\n"
      "      inSym = %d;\n"
      "    end else if (seenReset) begin\n",
      idle, idle);
  text += DecoderOutputCheck(block);
  text += discrete
              ? "      if (dsin === 1'b1 && rdyin === 1'b1) begin\n"
              : "      if (dsin === 1'b1 && dsinBefore !== 1'b1 && rdyin === 1'b1 && inSym == " +
                    std::to_string(block.n) +
                    ") inSym = 0;\n"
                    "      if (inSym < " +
                    std::to_string(block.n) + ") begin\n";
  text += Format(
      "        expSym[(queued %% CW) * %d + inSym] = rsin;\n"
      "        inSym = inSym + 1;\n"
      "        if (inSym == %d) begin\n"
      "          expNumerr[queued %% CW] = 0;\n"
      "          expFail[queued %% CW] = 0;\n"
      "          queued = queued + 1;\n"
      "          inSym = %d;\n"
      "        end\n"
      "      end\n"
      "    end\n"
      "    dsinBefore = dsin;\n"
      "  end\n\n",
      block.n, block.n, idle);
  return text;
}

std::string ClockProcess(const VectorPattern& pattern, const VectorFile& vectors) {
  std::string text = "  initial begin\n";
  if (vectors.start > 0) text += Format("    #%ld;\n", vectors.start);
  text += "    forever begin\n";
  for (long value : pattern.cycle)
    text += Format("      %s = %ld;\n      #%ld;\n", pattern.inputs[0].name.c_str(), value,
                   vectors.interval);
  return text + "    end\n  end\n\n";
}

}  // namespace

std::string VectorTestbench(const BlockDescription& block, const VectorFile& vectors,
                            const TestbenchNames& names, const std::string& vecName) {
  for (const VectorPattern& pattern : vectors.patterns) {
    for (const VectorSignal& signal : pattern.inputs) CheckSignal(block, signal, false, vecName);
    for (const VectorSignal& signal : pattern.outputs) CheckSignal(block, signal, true, vecName);
  }
  for (const VectorSignal& signal : vectors.outputsWithoutPattern)
    CheckSignal(block, signal, true, vecName);

  std::string text = TestbenchHead(block, names);
  // At each time: first the checks of the entry before (at its t + 1), then the new inputs.
  std::map<long, std::string> steps;
  for (const VectorPattern& pattern : vectors.patterns) {
    if (!pattern.cycle.empty()) {
      text += ClockProcess(pattern, vectors);
      continue;
    }
    for (const VectorEntry& entry : pattern.entries) {
      std::string& drives = steps[entry.time];
      for (std::size_t i = 0; i < entry.inputs.size(); ++i)
        drives += Format("    %s = %ld;\n", pattern.inputs[i].name.c_str(), entry.inputs[i]);
      std::string checks;
      for (std::size_t i = 0; i < entry.outputs.size(); ++i)
        checks += Format("    check(%s, %ld, \"%s\");\n", pattern.outputs[i].name.c_str(),
                         entry.outputs[i], pattern.outputs[i].name.c_str());
      if (!checks.empty()) steps[entry.time + 1].insert(0, checks);
    }
  }
  std::string final;
  if (block.IsDecoder()) {
    const int required = RequiredCodewords(block, Timeline(vectors));
    text += DecoderMonitor(block);
    final = Format(
        "    checks = checks + 1;\n"
        "    if (cameOut < %d) begin\n"
        "      failed = failed + 1;\n"
        "      $display(\"FAIL at %%0t: time ran out: %%0d of %d codewords came out\", $time, "
        "cameOut);\n"
        "    end\n",
        required, required);
  }
  text += "  initial begin\n";
  long now = 0;
  for (const auto& [time, statements] : steps) {
    if (time >= vectors.stop) break;
    if (time > now) text += Format("    #%ld;\n", time - now);
    text += statements;
    now = time;
  }
  text += Format("    #%ld;\n", vectors.stop - now) + final + "    report;\n  end\n\n";
  return text + TestbenchTail();
}

}  // namespace hdl
