#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

#include "platform/file_system.h"
#include "platform/text_format.h"

namespace platform {

namespace {

// Unbuffered: the wizard hands over each file's text in one piece.
class DescriptorOutputFile : public OutputFile {
 public:
  explicit DescriptorOutputFile(int fd) : fd_(fd) {}
  ~DescriptorOutputFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  DescriptorOutputFile(const DescriptorOutputFile&) = delete;
  DescriptorOutputFile& operator=(const DescriptorOutputFile&) = delete;

  bool Write(std::string_view data) override {
    if (fd_ < 0 || failed_) return false;
    while (!data.empty()) {
      const ssize_t written = ::write(fd_, data.data(), data.size());
      if (written < 0 && errno == EINTR) continue;
      if (written == 0) errno = EIO;
      if (written <= 0) return Fail();
      data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }

  // Not synced: four syncs would cost a Finish far more than all its work, and the journalling
  // file systems flush a file renamed over an existing one before the rename itself.
  bool Close() override {
    if (fd_ < 0) return false;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) Fail();
    return !failed_;
  }

 private:
  bool Fail() {
    failed_ = true;
    return false;
  }

  int fd_;
  bool failed_ = false;
};

// Writing through a symbolic link replaces the file it points to and keeps the link, as
// writing into the old file did. A dangling link is replaced itself.
// `info` is what lstat found at target (errno from lstat when it failed), so that a plain file
// costs one look-up.
std::string ResolvedTarget(const std::string& target, int* statResult, struct stat* info) {
  *statResult = ::lstat(target.c_str(), info);
  if (*statResult != 0 || !S_ISLNK(info->st_mode)) return target;
  char resolved[PATH_MAX];
  std::string path = ::realpath(target.c_str(), resolved) ? std::string(resolved) : target;
  *statResult = ::stat(path.c_str(), info);
  return path;
}

// The permissions a replacement of target gets: those of the old file, or the default for a
// new one, which the creation takes the umask off.
struct ReplacementMode {
  mode_t mode = 0666;
  bool ofOldFile = false;
};

// nullopt (errno set) when target may not be replaced.
std::optional<ReplacementMode> ModeFor(int statResult, const struct stat& info) {
  if (statResult != 0) {
    if (errno == ENOENT) return ReplacementMode{};
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) {
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    return std::nullopt;
  }
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    errno = EACCES;
    return std::nullopt;
  }
  return ReplacementMode{static_cast<mode_t>(info.st_mode & 0777), true};
}

// A name beside target that no other file has yet: hidden, and short enough for the directory
// even when target's own name is near the limit.
std::string ReplacementName(const std::string& target, std::uint32_t tag) {
  const std::size_t slash = target.rfind('/');
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  return target.substr(0, nameAt) + "." + target.substr(nameAt, 200) +
         Format(".%08x.part", static_cast<unsigned>(tag));
}

std::uint32_t NextTag() {
  static std::mt19937 tags{std::random_device{}() ^ static_cast<std::uint32_t>(::getpid())};
  return tags();
}

// A new file at path, which must not exist yet; -1 (errno set) on failure.
int CreateWithMode(const std::string& path, const ReplacementMode& mode) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode.mode);
  // The creation took the umask off; an old file's own permissions are put back in full.
  if (fd < 0 || !mode.ofOldFile || ::fchmod(fd, mode.mode) == 0) return fd;
  const int error = errno;
  ::close(fd);
  ::unlink(path.c_str());
  errno = error;
  return -1;
}

}  // namespace

std::optional<ReplacementFile> PosixFileSystem::CreateReplacement(const std::string& target) {
  int statResult = 0;
  struct stat info {};
  const std::string resolved = ResolvedTarget(target, &statResult, &info);
  const std::optional<ReplacementMode> mode = ModeFor(statResult, info);
  if (!mode) return std::nullopt;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = ReplacementName(resolved, NextTag());
    const int fd = CreateWithMode(path, *mode);
    if (fd >= 0)
      return ReplacementFile{std::move(path), resolved, std::make_unique<DescriptorOutputFile>(fd)};
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

std::optional<std::string> PosixFileSystem::ReadWhole(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string content;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return content;
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

}  // namespace platform
