#include "hdl/decoder_timing.h"

#include <algorithm>

#include "platform/text_format.h"
#include "rsmath/vector_file_timing.h"

namespace hdl {

namespace {

// Bits to count 0 .. value - 1, at least 1 (Verilog's $clog2 for value >= 2).
int CeilLog2(long value) {
  int bits = 0;
  while ((1L << bits) < value) ++bits;
  return bits;
}

// rs_chien_forney.v searches the n positions upward and finds the value of the first symbol
// out last; its pipeline writes that value three clocks after the search is through, and the
// output pass starts reading then: clocks from the solver's done to the pass's first read.
int SearchLatency(int n) {
  return n + 3;
}

// Edges from a word's last symbol taken to its first symbol out: the solver starts on the
// next edge, and the symbol read by the pass is registered and shown on the two after.
int OutputLatency(int n, int solverLatency) {
  return solverLatency + SearchLatency(n) + 3;
}

// Every clock count that follows from the solver.
DecoderTiming TimingWith(const BlockDescription& block, SolverKind solver, int multipliers) {
  const int n = block.n, r = block.check;
  const bool discrete = block.kind == BlockKind::kDiscreteDecoder;
  DecoderTiming timing;
  timing.solver = solver;
  timing.multipliers = multipliers;
  if (solver == SolverKind::kFolded) {
    timing.solverLatency = timing.solverGap = FoldedSolverClocks(r, multipliers);
  } else {
    timing.solverLatency = r + r / 2 + 2;
    timing.solverGap = r + 1;
  }
  timing.wordSpacing = std::max(n, timing.solverGap);
  timing.inputGuard = discrete ? std::max(1, timing.wordSpacing - n) : timing.wordSpacing - n;
  timing.searchLatency = SearchLatency(n);
  timing.outputLatency = OutputLatency(n, timing.solverLatency);
  // A received symbol waits n + solverLatency + searchLatency clocks; each word starting
  // within that wait, and the one coming in, holds a slot of 2^ceil(log2 n) symbols.
  const long wait = 1L * n + timing.solverLatency + timing.searchLatency;
  timing.receivedWords = (1 << CeilLog2(wait / timing.wordSpacing + 1)) << CeilLog2(n);
  // Two pages of every position's value: one filled by the search, one read by the word leaving.
  timing.errorWords = 2 << CeilLog2(n);
  timing.errorWordBits = block.m;
  return timing;
}

// Whether a decoder with this timing meets its variant's aim. "Full - Faster": words back to
// back. "Half - Smaller": the wizard's own vector file, whose streaming codewords start
// StreamingVectorSpacing clocks apart (the first three clocks after time 0, behind the reset)
// and whose discrete run must see the word's last symbol out.
bool MeetsItsAim(const BlockDescription& block, const DecoderTiming& timing) {
  const long n = block.n, r = block.check;
  if (block.full) return timing.solverGap <= n;
  if (block.kind == BlockKind::kStreamingDecoder)
    return timing.wordSpacing <= rsmath::StreamingVectorSpacing(false, n, r) - 3;
  const long lastOut = 2 * n - 1 + timing.outputLatency;  // from the word's first symbol
  return 10 * lastOut < rsmath::DiscreteVectorTenths(false, n, r);
}

}  // namespace

int FoldedSolverClocks(int r, int multipliers) {
  const int t = r / 2;
  const int lanes = multipliers < 3 ? 1 : multipliers / 3;
  const int beats = (t + lanes) / lanes;
  const int omegaPasses = multipliers == 1 ? t : (t + 1) / 2;
  return r * ((multipliers == 1 ? 3 : 1) * beats + 1) + omegaPasses * (beats + 1) + 1;
}

DecoderTiming DecoderTimingOf(const BlockDescription& block) {
  // The fewest multipliers that meet the aim: one, then lanes of three up to one lane a
  // coefficient; the array where none do.
  const int t = block.check / 2;
  for (int multipliers = 1; multipliers <= 3 * (t + 1); multipliers += multipliers == 1 ? 2 : 3) {
    const DecoderTiming timing = TimingWith(block, SolverKind::kFolded, multipliers);
    if (MeetsItsAim(block, timing)) return timing;
  }
  return TimingWith(block, SolverKind::kArray, 0);
}

std::string SolverSummary(const DecoderTiming& timing) {
  if (timing.solver == SolverKind::kArray) return "3t+1-element array";
  return platform::Format("folded, %d multiplier%s", timing.multipliers,
                          timing.multipliers == 1 ? "" : "s");
}

std::string SolverChoice(const BlockDescription& block) {
  const DecoderTiming timing = DecoderTimingOf(block);
  const char* aim = block.full                                   ? "words back to back"
                    : block.kind == BlockKind::kStreamingDecoder ? "the vector file spacing"
                                                                 : "the vector file run";
  return platform::Format(
      "%s, %s %s", SolverSummary(timing).c_str(),
      timing.solver == SolverKind::kArray ? "as no folded count makes" : "the fewest for", aim);
}

}  // namespace hdl
