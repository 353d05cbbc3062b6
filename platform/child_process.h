// Starting another program and waiting for it, for the manager that runs the wizard. The child
// inherits the environment and the standard streams, so a console session piped into the
// manager reaches the wizard.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct ChildEnd {
  bool exited = false;  // false: ended by a signal
  int status = 0;       // the exit status 0..255, or the signal number
};

class ChildProcess {
 public:
  virtual ~ChildProcess() = default;
  // The end of the child once it has ended; nullopt while it runs. Never blocks.
  virtual std::optional<ChildEnd> Poll() = 0;
};

// Starts program with args (after the program name). nullptr, with error set, when it cannot
// be started.
std::unique_ptr<ChildProcess> StartChild(const std::string& program,
                                         const std::vector<std::string>& args, std::string& error);

// True when path names a regular file that may be executed.
bool IsExecutableFile(const std::string& path);

}  // namespace platform
