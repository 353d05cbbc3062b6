// NAME_axis.v: the module NAME_axis, the block NAME of NAME.v behind AXI4-Stream ports
// (aclk, aresetn, s_axis_*, m_axis_*, and the two tlast events), with its header comment
// stating the packets, the rate and the buffers; then the wrapper's RTL from hdl/rtl, renamed
// with NAME_ like the block's, without the files NAME.v already holds.
#pragma once

#include <string>

#include "hdl/block_description.h"

namespace hdl {

struct AxisWrapperNames {
  std::string design;        // NAME, the block's module
  std::string cnxName;       // for the header line
  std::string blockSummary;  // "full streaming decoder, m = 8, n = 204, ..."
};

// rtlDirectory ends in "/". Throws Refusal when the wrapper's RTL is missing.
std::string AxisWrapper(const BlockDescription& block, const AxisWrapperNames& names,
                        const std::string& rtlDirectory);

// The wrapper's top file in hdl/rtl and its module name before prefixing.
const char* AxisTopFile(const BlockDescription& block);

}  // namespace hdl
