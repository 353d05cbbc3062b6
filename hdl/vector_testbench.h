// NAME_tb.v from the wizard's vector file: every input driven at its times; for an encoder
// every expected output compared at t + 1, once that time's inputs are applied and before the
// next rising clock edge; for a decoder, whose file lists no expected outputs, every codeword
// the decoder takes must come out unchanged with numerr 0 and decfail 0, and every codeword
// the file's data holds must have come out by STOP.
#pragma once

#include <string>

#include "hdl/block_description.h"
#include "hdl/testbench_text.h"
#include "hdl/vector_file.h"

namespace hdl {

// Throws Refusal when the file drives or expects a signal the block does not have.
std::string VectorTestbench(const BlockDescription& block, const VectorFile& vectors,
                            const TestbenchNames& names, const std::string& vecName);

}  // namespace hdl
