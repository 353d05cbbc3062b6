// The parts every generated testbench shares: the signals of the block, the instance, the check
// that counts and names its time, the closing line "N checks, M failed" with a non-zero status
// from the simulator on failure, and the decoder's output check against expected codewords.
#pragma once

#include <string>

#include "hdl/block_description.h"

namespace hdl {

struct TestbenchNames {
  std::string design;     // NAME, the module under test
  std::string testbench;  // its own module name
  std::string cnxName;    // for the header line
};

// Header line, module, a reg (0) per input and a wire per output, the counters, the tasks
// check(got, want, signal) and report, the instance dut.
std::string TestbenchHead(const BlockDescription& block, const TestbenchNames& names);

// An initial block that checks, at time 0, each clock count of the decoder instance
// (dut.core's localparams) against hdl::DecoderTimingOf; a mismatch fails the testbench.
std::string DecoderTimingCheck(const BlockDescription& block);

// The tasks check(got, want, signal) and report, for a testbench that declares the integers
// checks and failed itself.
std::string CheckTasks();

// Expected decoder codewords in a ring of `capacity`: expSym (first symbol first), expNumerr,
// expFail; queued, outCw, outSym and cameOut. The check runs at the rising edge of sysclk.
std::string DecoderExpectations(const BlockDescription& block, int capacity);
// The statements that check one rising edge's outputs against the expectations; put inside
// the testbench's always @(posedge sysclk), outside reset.
std::string DecoderOutputCheck(const BlockDescription& block);

std::string TestbenchTail();

}  // namespace hdl
