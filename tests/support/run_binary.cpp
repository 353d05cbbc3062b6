#include "tests/support/run_binary.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "tests/support/fake_platform.h"

extern char** environ;

namespace testsupport {

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> env;
  bool uiGiven = false;
  for (const auto& e : extra) uiGiven = uiGiven || e.rfind("RSWIZARD_UI=", 0) == 0;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    // The child sees no display unless a test asks for one.
    if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0) continue;
    if (uiGiven && entry.rfind("RSWIZARD_UI=", 0) == 0) continue;
    env.push_back(entry);
  }
  if (!uiGiven) env.push_back("RSWIZARD_UI=console");
  for (const auto& e : extra) env.push_back(e);
  return env;
}

namespace {

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (auto& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

RunResult RunWizardBinary(const RunOptions& options) {
  TempDir io;
  const std::string inPath = (io.Path() / "in").string();
  const std::string outPath = (io.Path() / "out").string();
  const std::string errPath = (io.Path() / "err").string();
  WriteFileText(inPath, options.input);

  std::vector<std::string> argv{options.program.empty() ? RS_BINARY_PATH : options.program};
  for (const auto& a : options.args) argv.push_back(a);
  std::vector<std::string> env = ChildEnvironment(options.env);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  if (!options.workingDirectory.empty())
    posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory.c_str());

  auto argvPointers = Pointers(argv);
  auto envPointers = Pointers(env);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, argvPointers.data(),
                                  envPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0)
    throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(spawned));

  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  RunResult result;
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFileText(outPath);
  result.err = ReadFileText(errPath);
  return result;
}

RunResult RunWizard(std::vector<std::string> args, std::string input,
                    std::vector<std::string> env) {
  RunOptions options;
  options.args = std::move(args);
  options.input = std::move(input);
  options.env = std::move(env);
  return RunWizardBinary(options);
}

}  // namespace testsupport
