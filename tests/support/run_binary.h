// Runs the real rswizard executable, as the calling manager or a script would.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testsupport {

struct RunResult {
  int exitStatus = -1;  // the process's exit status, 0..255; -1 when it did not exit normally
  std::string out;
  std::string err;
};

struct RunOptions {
  std::vector<std::string> args;  // after the program name
  std::string input;              // standard input
  // Extra environment, NAME=VALUE; RSWIZARD_UI=console is set unless given here.
  std::vector<std::string> env;
  std::string workingDirectory;  // empty: the test's own
  std::string program;           // empty: the rswizard built with the tests
};

// The test's environment without a display, with RSWIZARD_UI=console unless `extra` sets it,
// and `extra` (NAME=VALUE) added.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra);

RunResult RunWizardBinary(const RunOptions& options);
// The common case: arguments, standard input and extra environment.
RunResult RunWizard(std::vector<std::string> args, std::string input = "",
                    std::vector<std::string> env = {});

}  // namespace testsupport
