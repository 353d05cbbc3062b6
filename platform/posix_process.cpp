#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/process.h"
#include "platform/text_format.h"

namespace platform {

std::string PosixProcessServices::ExecutablePath() {
  char buffer[4096];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return std::string();
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string NoticeSocketPath(int threadId) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string directory = runtime && *runtime ? runtime : "/tmp";
  return Format("%s/corvex-%d", directory.c_str(), threadId);
}

void PosixProcessServices::PostNotice(int threadId, int message, int x, int y) {
  const std::string path = NoticeSocketPath(threadId);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return;  // no such receiver can exist
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  const std::string datagram = Format("%d %d %d", message, x, y);
  // A missing or busy receiver is ignored, as posting to a thread that is gone is.
  (void)::sendto(fd, datagram.data(), datagram.size(), MSG_DONTWAIT,
                 reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::close(fd);
}

void PosixProcessServices::Exit(int code) {
  std::fflush(nullptr);
  std::exit(code);
}

}  // namespace platform
