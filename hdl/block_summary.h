// What a designer needs to know of one generated block, gathered once from the description, the
// decoder's clocks and the port meanings: the design's opening comment and its datasheet both
// print it, each in its own form.
#pragma once

#include <string>
#include <vector>

#include "hdl/block_description.h"

namespace hdl {

struct PortSummary {
  std::string name;
  bool output = false;
  int width = 0;  // bits of a bus [width:1]; 0 for a single bit
  std::string meaning;
};

// A count of clocks (rising sysclk edges) and what it counts.
struct ClockSummary {
  std::string name;  // "latency", "word spacing", ...
  int clocks = 0;
  std::string counts;
};

struct MemorySummary {
  std::string name;
  int depth = 0;
  int width = 0;
};

struct BlockSummary {
  std::string variant;             // "encoder", "full streaming decoder", ...
  std::string solver;              // the key-equation solver of a decoder; empty for an encoder
  int k = 0, t = 0;                // message symbols, symbol errors corrected
  std::vector<int> generator;      // g(x), [i] the coefficient of x^(r-i); [0] = 1
  std::vector<PortSummary> ports;  // in the description's order
  std::vector<ClockSummary> clocks;
  std::vector<MemorySummary> memories;
};

BlockSummary SummaryOf(const BlockDescription& block);

// "x^8 + x^4 + x^3 + x^2 + 1" for the field polynomial's bits.
std::string PolynomialText(int bits);

}  // namespace hdl
