// The one seam through which the wizard reads and writes files, so that tests can make any
// step of writing a file fail.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A file open for writing. Write and Close return false on any error; Close also reports an
// error that an earlier Write could not see (a full disk shows up at flush time). After a failed
// Write the file is spoilt: later writes and the close fail too.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual bool Write(std::string_view data) = 0;
  virtual bool Close() = 0;
};

// A new, empty file made to take the place of `target` once it is complete.
struct ReplacementFile {
  std::string path;                  // its own name, in the directory of target
  std::string target;                // what it replaces; the file a symbolic link points to
  std::unique_ptr<OutputFile> file;  // Close only closes it
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Replaces the file at path all at once, so that the caller of the wizard never finds a
  // half-written file: the data goes to a replacement beside it, and Close renames that over
  // path only when every write and the close succeeded. On any failure, and when the file is
  // destroyed without Close, the old file stays as it was and the replacement is removed.
  // nullptr (errno set) when path cannot be replaced.
  std::unique_ptr<OutputFile> OpenForWriting(const std::string& path);

  // The whole content, bytes as they are. nullopt when the file cannot be opened or read.
  virtual std::optional<std::string> ReadWhole(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;

  // The steps of OpenForWriting, which tests make fail one at a time.
  // nullopt (errno set) when target may not be replaced or nothing can be created beside it.
  virtual std::optional<ReplacementFile> CreateReplacement(const std::string& target) = 0;
  // Puts the file `from` in the place of `to` in one step.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
};

// POSIX implementation used by the real program.
class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> ReadWhole(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  // Refuses a target that is not a regular file, and one whose owner took away every write
  // permission (for everyone, the superuser included: a rename would otherwise replace what
  // the user protected). The replacement keeps an existing target's permissions; a new file
  // gets 0666 less the umask, as any newly created file does.
  std::optional<ReplacementFile> CreateReplacement(const std::string& target) override;
  bool Rename(const std::string& from, const std::string& to) override;
};

}  // namespace platform
