#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/notice_receiver.h"
#include "platform/process.h"

namespace platform {

namespace {

constexpr int kIdsTried = 100;

class SocketReceiver : public NoticeReceiver {
 public:
  SocketReceiver(int fd, int threadId, std::string path)
      : fd_(fd), threadId_(threadId), path_(std::move(path)) {}
  ~SocketReceiver() override {
    ::close(fd_);
    ::unlink(path_.c_str());
  }

  int ThreadId() const override { return threadId_; }

  std::optional<std::string> Receive(int timeoutMs) override {
    pollfd wait{fd_, POLLIN, 0};
    if (::poll(&wait, 1, timeoutMs) <= 0) return std::nullopt;
    char buffer[512];
    const ssize_t got = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got < 0) return std::nullopt;
    return std::string(buffer, static_cast<std::size_t>(got));
  }

 private:
  int fd_;
  int threadId_;
  std::string path_;
};

}  // namespace

std::unique_ptr<NoticeReceiver> BindNoticeReceiver(std::string& error) {
  const int first = static_cast<int>(::getpid());
  for (int id = first; id < first + kIdsTried; ++id) {
    const std::string path = NoticeSocketPath(id);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
      error = "the socket path " + path + " is too long";
      return nullptr;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      error = std::strerror(errno);
      return nullptr;
    }
    // An existing path (another manager's socket, or one left behind) is never removed here.
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
      return std::make_unique<SocketReceiver>(fd, id, path);
    const int code = errno;
    error = path + ": " + std::strerror(code);
    ::close(fd);
    if (code != EADDRINUSE) return nullptr;
  }
  return nullptr;
}

}  // namespace platform
