// The decoder's clocks for one design, computed once: which key-equation solver it takes, how
// long that solver runs, how closely words may follow one another, when a word comes out, and
// how deep its memories are. The testbenches, the generated header comment and the figures
// all read them from here; the RTL computes the same counts in its own timing functions.
//
//   t = floor(r / 2); a word's symbols are taken on n edges (streaming: consecutive ones)
#pragma once
#include <string>

#include "hdl/block_description.h"

namespace hdl {

enum class SolverKind {
  kArray,   // 3t + 1 elements, one iteration a clock
  kFolded,  // the iterations folded onto `multipliers` general multipliers
};

struct DecoderTiming {
  SolverKind solver = SolverKind::kArray;
  int multipliers = 0;    // kFolded: the solver's multipliers; kArray: 0
  int solverLatency = 0;  // clocks from the solver's start to its done
  int solverGap = 0;      // the closest two solver starts may be
  int wordSpacing = 0;    // the closest two words' first symbols may be, in clocks
  int inputGuard = 0;     // edges after a word's last symbol on which rdyin stays 0
  int searchLatency = 0;  // clocks from the solver's done to the output pass's first read
  int outputLatency = 0;  // edges from a word's last symbol taken to its first symbol out
  int receivedWords = 0;  // depth of the received-word memory (words of m + 1 bits)
  int errorWords = 0;     // depth of the error-value memory (two pages of the positions)
  int errorWordBits = 0;  // its width: the value

  // Edges from a streaming word's first symbol to its first symbol out.
  int LatencyFromFirst(int n) const { return n - 1 + outputLatency; }
};

// The folded solver's clocks from start to done, as rs_kes_folded.v runs them: lanes of three
// multipliers, one coefficient a lane a beat (one multiplier: three clocks a beat in the
// iterations); a pass over the t + 1 coefficients of ceil((t + 1) / lanes) beats and a closing
// clock; R iteration passes, then Omega two syndromes a pass (one with one multiplier).
int FoldedSolverClocks(int r, int multipliers);

// Throws nothing; block must be a decoder.
DecoderTiming DecoderTimingOf(const BlockDescription& block);

// "3t+1-element array" or "folded, P multipliers": the solver in words, for headers and pages.
std::string SolverSummary(const DecoderTiming& timing);

// The solver chosen and why, for the design's header and the datasheet: "folded, 3
// multipliers, the fewest for words back to back" (half: for the wizard's vector file).
std::string SolverChoice(const BlockDescription& block);

}  // namespace hdl
