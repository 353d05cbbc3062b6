// The top module NAME of the design file: the description's ports in their order, wired to
// one instance of the core with the block's parameters.
#pragma once

#include <string>

#include "hdl/block_description.h"
#include "hdl/hex_table_reader.h"

namespace hdl {

// The core's top file in hdl/rtl and its module name before prefixing.
const char* CoreTopFile(const BlockDescription& block);
const char* CoreModule(const BlockDescription& block);

// tables is used for a decoder only. The core is named prefix + CoreModule(block).
std::string TopModule(const BlockDescription& block, const DecoderTables& tables,
                      const std::string& name, const std::string& prefix);

}  // namespace hdl
