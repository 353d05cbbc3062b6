// NAME_errors_tb.v for a decoder: many codewords with 0 .. t errors at random positions and
// values, some with more, and one bypassed; the expected rsout, numerr and decfail of each come
// from the software decoder. Streaming decoders get their codewords at the closest spacing the
// variant takes (back to back for the full one), discrete ones through the dsin/rdyin
// handshake.
#pragma once

#include <string>

#include "hdl/block_description.h"
#include "hdl/testbench_text.h"

namespace hdl {

std::string ErrorTestbench(const BlockDescription& block, const TestbenchNames& names);

}  // namespace hdl
