// The real rswizard on a pseudo-terminal, as a person at a terminal runs it: keys go in, the
// terminal's output comes back.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

class PtySession {
 public:
  // Starts the program built with the tests with these arguments, on a terminal 200 columns
  // wide, in the environment of ChildEnvironment(env).
  PtySession(const std::vector<std::string>& args, const std::vector<std::string>& env = {});
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  void Send(std::string_view keys);
  // Reads until `text` appears after what earlier calls consumed, and returns the output from
  // there up to the end of `text`; empty when it does not come within five seconds.
  std::string WaitFor(std::string_view text);
  // The exit status once the program ends (reading what it still prints); -1 after a signal,
  // or when it has not ended within five seconds (it is killed then).
  int Finish();
  const std::string& Output() const { return output_; }

 private:
  bool ReadSome(int timeoutMs);

  int master_ = -1;
  pid_t pid_ = -1;
  std::string output_;
  std::size_t consumed_ = 0;
};

}  // namespace testsupport
