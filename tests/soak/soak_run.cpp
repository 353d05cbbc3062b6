// soak_run "KIND" M IRRPOL N R GENSTART [HARNESS-ARGUMENTS...]: makes the decoder as a user
// would (KIND "streaming full", "discrete half", ...), builds the soak around it and runs it
// with the arguments; prints the harness's output and exits with its status. For the
// error-statistics script in tools/.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/soak/soak_build.h"

int main(int argc, char** argv) {
  if (argc < 7) {
    std::fprintf(stderr, "usage: %s KIND M IRRPOL N R GENSTART [HARNESS-ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  const std::string kind = argv[1];
  const managertest::Code code{kind.c_str(),       std::atoi(argv[2]), std::atoi(argv[3]),
                               std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
  const std::filesystem::path dir = soak::DesignDirectory(code, "");
  const std::string error = soak::BuildSoak(code, dir);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const testsupport::RunResult run =
      soak::RunSoakBinary(dir, std::vector<std::string>(argv + 7, argv + argc));
  std::fputs(run.out.c_str(), stdout);
  std::fputs(run.err.c_str(), stderr);
  return run.exitStatus;
}
