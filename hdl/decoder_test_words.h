// The words the generated decoder testbenches send: codewords of random messages with 0 .. t
// symbol errors at random positions and values, t twice more, some beyond what the code
// corrects, and one bypassed with t errors, last; what the block must make of each comes from
// the software decoder. The seed is fixed by the code, so every design gets words of its own
// and the files are the same at every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hdl/block_description.h"

namespace hdl {

struct TestWord {
  std::vector<int32_t> received;  // word[i] the coefficient of x^i; word[n-1] goes first
  std::vector<int32_t> expected;
  int injected = 0;  // symbol errors added to the codeword
  int numerr = 0;
  bool decfail = false;
  bool bypass = false;
};

std::vector<TestWord> TestWords(const BlockDescription& block);

// name[base + j] = word[n-1-j], eight to a line: the symbols in the order they go on the wire.
std::string WordLines(const char* name, int base, const std::vector<int32_t>& word);

}  // namespace hdl
