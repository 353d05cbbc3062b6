// The one seam through which the wizard reads and writes files, so that tests can make any
// open, write or close fail.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A file open for writing. Write and Close return false on any error; Close also reports an
// error that an earlier Write could not see (a full disk shows up at flush time).
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual bool Write(std::string_view data) = 0;
  virtual bool Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Replaces an existing file. nullptr when the file cannot be opened.
  virtual std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) = 0;
  // The whole content, bytes as they are. nullopt when the file cannot be opened or read.
  virtual std::optional<std::string> ReadWhole(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

// POSIX implementation used by the real program.
class PosixFileSystem : public FileSystem {
 public:
  std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
  std::optional<std::string> ReadWhole(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
};

}  // namespace platform
