// The comment block that opens the generated NAME.v, after rsmanager's header line: enough to
// wire the block without another document (the code, the variant and its solver, every port
// with its meaning, the clocks and memories of this code) and where the rest is written.
#pragma once

#include <string>

#include "hdl/block_description.h"

namespace hdl {

// Where the installed packages put docs/hdl.md.
inline constexpr const char* kInstalledHdlGuide = "/usr/share/doc/rswizard/hdl.md";

// Lines of "// " comment, each ending in a line feed. name is the top module's.
std::string DesignHeaderComment(const BlockDescription& block, const std::string& name);

}  // namespace hdl
