// Running rsmanager, the wizard and the HDL tools for the manager's tests.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/text_format.h"
#include "tests/support/run_binary.h"

namespace managertest {

// A code the wizard offers, and the block made of it.
struct Code {
  const char* kind;  // "encoder", "discrete full", "streaming half", ...
  int m, irrpol, n, r, genstart;
};

inline void PrintTo(const Code& code, std::ostream* os) {
  *os << code.kind << " m " << code.m << " p " << code.irrpol << " n " << code.n << " r " << code.r
      << " g " << code.genstart;
}

// The console session that builds the block from a new design.
inline std::string Events(const Code& code) {
  const std::string kind = code.kind;
  std::string events;
  if (kind != "encoder") {
    events += "click Decoder\n";
    events +=
        kind.find("streaming") != std::string::npos ? "click Streaming\n" : "click Discrete\n";
    events += kind.find("half") != std::string::npos ? "click \"Half - Smaller\"\n"
                                                     : "click \"Full - Faster\"\n";
  }
  // m refills the other lists; n before r keeps r = 4 valid meanwhile.
  return events + platform::Format(
                      "click \"Next >\"\n"
                      "pick \"Number of bits per symbol\" %d\n"
                      "pick \"Field polynomial\" %d\n"
                      "type \"Number of symbols per codeword\" %d\n"
                      "type \"Number of check symbols per codeword\" %d\n"
                      "type \"First root of polynomial generator\" %d\n"
                      "click Finish\n",
                      code.m, code.irrpol, code.n, code.r, code.genstart);
}

inline testsupport::RunResult RunManager(std::vector<std::string> args, std::string input = "") {
  return testsupport::RunWizardBinary({std::move(args), std::move(input), {}, "", RS_MANAGER_PATH});
}

inline testsupport::RunResult Shell(const std::string& command) {
  return testsupport::RunWizardBinary({{"-c", command + " 2>&1"}, "", {}, "", "/bin/sh"});
}

// The RTL rsmanager uses when run from the build tree.
inline std::filesystem::path RtlDirectory() {
  const char* override = std::getenv("RSMANAGER_HDL_DIR");
  return override && *override ? std::filesystem::path(override)
                               : std::filesystem::path(RS_SOURCE_DIR) / "hdl" / "rtl";
}

// The files of a directory, by name.
inline std::vector<std::string> Listing(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(directory))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace managertest
