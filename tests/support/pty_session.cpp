#include "tests/support/pty_session.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "tests/support/run_binary.h"

namespace testsupport {

PtySession::PtySession(const std::vector<std::string>& args, const std::vector<std::string>& env) {
  std::vector<std::string> argv{RS_BINARY_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> environment = ChildEnvironment(env);
  std::vector<char*> argvPointers, envPointers;
  for (auto& a : argv) argvPointers.push_back(a.data());
  for (auto& e : environment) envPointers.push_back(e.data());
  argvPointers.push_back(nullptr);
  envPointers.push_back(nullptr);
  struct winsize size {};
  size.ws_col = 200;
  size.ws_row = 50;
  pid_ = ::forkpty(&master_, nullptr, nullptr, &size);
  if (pid_ < 0) throw std::runtime_error("forkpty failed");
  if (pid_ == 0) {
    ::execve(argvPointers[0], argvPointers.data(), envPointers.data());
    ::_exit(127);
  }
}

PtySession::~PtySession() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) ::close(master_);
}

void PtySession::Send(std::string_view keys) {
  // A few keys at a time: far less than a terminal's input buffer holds.
  if (::write(master_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
    throw std::runtime_error("cannot write to the terminal");
}

bool PtySession::ReadSome(int timeoutMs) {
  struct pollfd p {
    master_, POLLIN, 0
  };
  if (::poll(&p, 1, timeoutMs) <= 0) return false;
  char buffer[4096];
  const ssize_t n = ::read(master_, buffer, sizeof buffer);
  if (n <= 0) return false;  // EIO once the program has closed the terminal
  output_.append(buffer, static_cast<std::size_t>(n));
  return true;
}

std::string PtySession::WaitFor(std::string_view text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  for (;;) {
    const std::size_t at = output_.find(text, consumed_);
    if (at != std::string::npos) {
      std::string seen = output_.substr(consumed_, at + text.size() - consumed_);
      consumed_ = at + text.size();
      return seen;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !ReadSome(static_cast<int>(left.count()))) return {};
  }
}

int PtySession::Finish() {
  // Read what it still prints until it exits; one that has not after five seconds is killed.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      while (ReadSome(0)) {
      }
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // A closed terminal reads as an error at once: wait a little instead of spinning.
    if (!ReadSome(100)) ::usleep(10000);
  }
  return -1;
}

}  // namespace testsupport
