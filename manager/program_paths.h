// Where rsmanager finds the wizard and the RTL sources, installed or in the build tree.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace manager {

// rswizard beside rsmanager, then the one of the build tree, then the first on PATH.
std::optional<std::string> FindWizard();

// RSMANAGER_HDL_DIR alone when it is set; otherwise hdl/ beside the program,
// ../share/rswizard/hdl from it, and the source tree's hdl/rtl.
std::vector<std::string> HdlDirectories();

// The first executable file called name in a directory of PATH.
std::optional<std::string> FindOnPath(const std::string& name);

// bench/hdl_figures.sh: ../share/rswizard/bench from the program, then the source tree's.
std::optional<std::string> FindFiguresScript();

}  // namespace manager
