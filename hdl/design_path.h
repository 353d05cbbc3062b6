// The design file named on the command line and the names every generated file is built from.
#pragma once

#include <string>
#include <string_view>

namespace hdl {

struct DesignPath {
  std::string directory;  // ending in "/", or empty for the working directory
  std::string baseName;   // NAME: the file name without its extension
  std::string extension;  // ".v", ".vhd", ".tdf" or whatever was given, dot included

  // directory + baseName + suffix, e.g. Sibling(".cnx") or Sibling("_tb.v").
  std::string Sibling(std::string_view suffix) const {
    return directory + baseName + std::string(suffix);
  }
};

// Splits at the last "/" and at the last "." of the file name.
DesignPath SplitDesignPath(std::string_view path);

// True when name can name a module in Verilog-2005 and a component in VHDL: a letter, then
// letters, digits and single underscores, not ending in one, and no reserved word of either
// language (VHDL compares without case; the linter knows the SystemVerilog keywords too).
bool IsHdlIdentifier(std::string_view name);

}  // namespace hdl
