// NAME_axis_tb.v for the AXI4-Stream wrapper: the words once with s_axis_tvalid and
// m_axis_tready held 1, where consecutive words must leave exactly the block's word spacing
// apart, then repeated, enough to fill the wrapper's buffers three times over, under heavy
// random stalls on both sides (long ones among them, and a receiver that raises tready only
// after it has seen tvalid) with misplaced tlast on three words. Every beat out is judged against
// the software encoder or decoder; on every edge the tlast events are checked against the beats in,
// and a beat m_axis held must stay, unchanged.
#pragma once

#include <string>

#include "hdl/block_description.h"
#include "hdl/testbench_text.h"

namespace hdl {

// names.design is the wrapped block NAME; the module under test is NAME_axis.
std::string AxisTestbench(const BlockDescription& block, const TestbenchNames& names);

}  // namespace hdl
