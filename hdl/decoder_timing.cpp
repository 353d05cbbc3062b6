#include "hdl/decoder_timing.h"

#include <algorithm>

#include "platform/text_format.h"

namespace hdl {

namespace {

// Bits to count 0 .. value - 1, at least 1 (Verilog's $clog2 for value >= 2).
int CeilLog2(long value) {
  int bits = 0;
  while ((1L << bits) < value) ++bits;
  return bits;
}

// The folded solver's clocks from start to done: the R iterations over t + 1 coefficient
// pairs, then Omega by Horner's rule, one coefficient a clock with three multipliers and three
// clocks a coefficient with one.
int FoldedSolverClocks(int r, int multipliers) {
  const int t = r / 2;
  return multipliers == 3 ? (r + (t + 1) / 2) * (t + 1) + 1 : (3 * r + t) * (t + 1) + 1;
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

// A discrete word must leave within the allowance of the wizard's discrete vector file,
// 1.2 (5n + 11r + 4) clocks after it begins, its last symbol n - 1 edges after its first one
// out; counted in tenths to stay in integers.
bool MeetsDiscreteAllowance(const BlockDescription& block, int solverLatency) {
  const long lastOut = 2L * block.n - 1 + OutputLatency(block.n, solverLatency);
  return 10 * lastOut < 12 * (5L * block.n + 11 * block.check + 4);
}

}  // namespace

DecoderTiming DecoderTimingOf(const BlockDescription& block) {
  const int n = block.n, r = block.check, t = r / 2;
  const bool discrete = block.kind == BlockKind::kDiscreteDecoder;
  DecoderTiming timing;
  if (!block.full) {
    if (!discrete) {
      timing.solver = SolverKind::kFolded;
      timing.multipliers = r == 16 ? 3 : 1;
    } else {
      for (int multipliers : {1, 3}) {
        if (MeetsDiscreteAllowance(block, FoldedSolverClocks(r, multipliers))) {
          timing.solver = SolverKind::kFolded;
          timing.multipliers = multipliers;
          break;
        }
      }
    }
  }
  if (timing.solver == SolverKind::kFolded) {
    timing.solverLatency = timing.solverGap = FoldedSolverClocks(r, timing.multipliers);
  } else {
    timing.solverLatency = r + t + 2;
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

std::string SolverSummary(const DecoderTiming& timing) {
  if (timing.solver == SolverKind::kArray) return "3t+1-element array";
  return platform::Format("folded, %d multiplier%s", timing.multipliers,
                          timing.multipliers == 1 ? "" : "s");
}

}  // namespace hdl
