// The rule for a design name that becomes the block's module and component name.
#pragma once

#include <string_view>

namespace hdl {

// True when name can name a module in Verilog-2005 and a component in VHDL: a letter, then
// letters, digits and single underscores, not ending in one, and no reserved word of either
// language (VHDL compares without case; the linter knows the SystemVerilog keywords too).
bool IsHdlIdentifier(std::string_view name);

}  // namespace hdl
