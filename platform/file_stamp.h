// What tells a file written during a run from the one that was there before: its identity
// and modification time.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0, inode = 0;
  std::int64_t modifiedNs = 0;  // since the epoch
};

FileStamp StampOf(const std::string& path);

}  // namespace platform
