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

// A discrete word must leave within the allowance of the wizard's discrete vector file,
// 1.2 (5n + 11r + 4) clocks after it begins; counted in tenths to stay in integers.
bool MeetsDiscreteAllowance(const BlockDescription& block, int solverLatency) {
  return 10 * (3 * block.n + solverLatency + 2) < 12 * (5 * block.n + 11 * block.check + 4);
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
  timing.outputLatency = n + timing.solverLatency + 3;
  // A received symbol waits 2n + solverLatency clocks; the words within that window bound
  // the memory.
  const long window = 2L * n + timing.solverLatency + 2;
  const long wordsIn = (window - 1) / timing.wordSpacing + 2;
  timing.receivedWords = 1 << CeilLog2(std::min(window, n * wordsIn));
  timing.errorWords = 1 << CeilLog2(2L * t + 1);
  timing.errorWordBits = 1 + CeilLog2(n) + block.m;
  return timing;
}

std::string SolverSummary(const DecoderTiming& timing) {
  if (timing.solver == SolverKind::kArray) return "3t+1-element array";
  return platform::Format("folded, %d multiplier%s", timing.multipliers,
                          timing.multipliers == 1 ? "" : "s");
}

}  // namespace hdl
