// A simulation vector file read generically, statement by statement: START, STOP, INTERVAL,
// RADIX, INPUTS and OUTPUTS naming signals or buses (name[hi..lo]), and PATTERNs that are
// either a repeating list of values, one per INTERVAL (the clock), or timed entries
// "t> inputs" and "t> inputs = expected outputs". Comments run from % to %.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hdl {

struct VectorSignal {
  std::string name;
  int msb = 0, lsb = 0;  // both 0 for a single bit
  bool bus = false;
};

struct VectorEntry {
  long time = 0;
  std::vector<long> inputs;
  std::vector<long> outputs;  // empty when the entry lists no expected values
};

struct VectorPattern {
  std::vector<VectorSignal> inputs;
  std::vector<VectorSignal> outputs;
  std::vector<long> cycle;           // a repeating pattern: the values, each lasting one interval
  std::vector<VectorEntry> entries;  // a timed pattern
};

struct VectorFile {
  long start = 0, stop = 0, interval = 0;
  std::vector<VectorPattern> patterns;
  std::vector<VectorSignal> outputsWithoutPattern;  // declared, nothing expected of them
};

// Throws Refusal naming fileName and the line of a statement that cannot be read.
VectorFile ReadVectorFile(std::string_view text, const std::string& fileName);

}  // namespace hdl
