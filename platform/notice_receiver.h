// The manager's end of the wizard's notices: a datagram socket bound at NoticeSocketPath(id),
// removed again when the receiver is destroyed.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform {

class NoticeReceiver {
 public:
  virtual ~NoticeReceiver() = default;
  virtual int ThreadId() const = 0;
  // The next datagram, waiting at most timeoutMs; nullopt when none came.
  virtual std::optional<std::string> Receive(int timeoutMs) = 0;
};

// Binds a socket for a thread id of its own choosing, from the process id on, skipping ids
// whose socket path is taken. nullptr, with error set, when none can be bound.
std::unique_ptr<NoticeReceiver> BindNoticeReceiver(std::string& error);

}  // namespace platform
