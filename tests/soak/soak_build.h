// A decoder block made as a user makes it (a wizard session, then rsmanager --generate) and
// compiled with Verilator around the soak harness; and runs of the result.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/manager/manager_run.h"
#include "tests/support/run_binary.h"

namespace soak {

// The design's directory under the build tree, named after the code: the same design lands
// in the same place, so the compiler cache serves a second build.
std::filesystem::path DesignDirectory(const managertest::Code& code, const std::string& variant);

// Generates rs.v in dir (edit, when given, changes its text first) and builds dir/soak.
// Returns "" or what went wrong, with the tools' output.
std::string BuildSoak(const managertest::Code& code, const std::filesystem::path& dir,
                      const std::function<void(std::string&)>& edit = {});

testsupport::RunResult RunSoakBinary(const std::filesystem::path& dir,
                                     const std::vector<std::string>& args);

}  // namespace soak
