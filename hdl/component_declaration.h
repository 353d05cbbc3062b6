// NAME.cmp: the VHDL component declaration of the block, the ports of the description in their
// order.
#pragma once

#include <string>

#include "hdl/block_description.h"

namespace hdl {

std::string ComponentDeclaration(const BlockDescription& block, const std::string& name,
                                 const std::string& cnxName);

}  // namespace hdl
