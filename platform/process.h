// Process services: the executable's own path, the notice to the calling manager, ending the
// process.
#pragma once

#include <string>

namespace platform {

class ProcessServices {
 public:
  virtual ~ProcessServices() = default;
  virtual std::string ExecutablePath() = 0;
  // Posted, never sent: the wizard does not wait for the caller, and a missing receiver is
  // ignored.
  virtual void PostNotice(int threadId, int message, int x, int y) = 0;
  // Ends the process at once with the given exit status.
  [[noreturn]] virtual void Exit(int code) = 0;
};

class PosixProcessServices : public ProcessServices {
 public:
  std::string ExecutablePath() override;
  void PostNotice(int threadId, int message, int x, int y) override;
  [[noreturn]] void Exit(int code) override;
};

// Where the datagram of a notice goes: $XDG_RUNTIME_DIR/corvex-ID, or /tmp/corvex-ID.
std::string NoticeSocketPath(int threadId);

}  // namespace platform
