#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/child_process.h"

extern char** environ;

namespace platform {

namespace {

// While the child runs, Ctrl-C and Ctrl-\ at the terminal are the child's business, as with
// system(): the manager outlives them to report how the child ended and to clean up after it.
class IgnoredInterrupts {
 public:
  IgnoredInterrupts() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGINT, &ignore, &interrupt_);
    ::sigaction(SIGQUIT, &ignore, &quit_);
  }
  ~IgnoredInterrupts() {
    ::sigaction(SIGINT, &interrupt_, nullptr);
    ::sigaction(SIGQUIT, &quit_, nullptr);
  }
  IgnoredInterrupts(const IgnoredInterrupts&) = delete;
  IgnoredInterrupts& operator=(const IgnoredInterrupts&) = delete;

 private:
  struct sigaction interrupt_ {};
  struct sigaction quit_ {};
};

class PosixChild : public ChildProcess {
 public:
  explicit PosixChild(pid_t pid) : pid_(pid) {}
  ~PosixChild() override {
    // A child still running when the manager gives up is waited for, not left a zombie.
    if (!end_) {
      int status = 0;
      while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
      }
    }
  }

  std::optional<ChildEnd> Poll() override {
    if (end_) return end_;
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      if (WIFEXITED(status))
        end_ = ChildEnd{true, WEXITSTATUS(status)};
      else if (WIFSIGNALED(status))
        end_ = ChildEnd{false, WTERMSIG(status)};
    } else if (done < 0 && errno != EINTR) {
      end_ = ChildEnd{false, 0};
    }
    return end_;
  }

 private:
  pid_t pid_;
  std::optional<ChildEnd> end_;
  IgnoredInterrupts interrupts_;
};

}  // namespace

std::unique_ptr<ChildProcess> StartChild(const std::string& program,
                                         const std::vector<std::string>& args, std::string& error) {
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The child reports a failed exec through this pipe; closed on a successful exec.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    error = std::strerror(errno);
    return nullptr;
  }
  const pid_t pid = ::fork();
  if (pid < 0) {
    error = std::strerror(errno);
    ::close(report[0]);
    ::close(report[1]);
    return nullptr;
  }
  if (pid == 0) {
    ::close(report[0]);
    ::execve(program.c_str(), argv.data(), environ);
    const int code = errno;
    (void)::write(report[1], &code, sizeof code);
    ::_exit(127);
  }
  ::close(report[1]);
  int code = 0;
  ssize_t got;
  while ((got = ::read(report[0], &code, sizeof code)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  auto child = std::make_unique<PosixChild>(pid);
  if (got == static_cast<ssize_t>(sizeof code)) {
    error = std::strerror(code);
    return nullptr;  // the child has exited; the destructor reaps it
  }
  return child;
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

}  // namespace platform
