#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/file_system.h"

namespace platform {

namespace {

class StdioOutputFile : public OutputFile {
 public:
  explicit StdioOutputFile(std::FILE* file) : file_(file) {}
  ~StdioOutputFile() override {
    if (file_) std::fclose(file_);
  }
  bool Write(std::string_view data) override {
    if (!file_) return false;
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), file_) != data.size())
      failed_ = true;
    return !failed_;
  }
  bool Close() override {
    if (!file_) return false;
    if (std::fflush(file_) != 0 || std::ferror(file_)) failed_ = true;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
  }

 private:
  std::FILE* file_;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<OutputFile> PosixFileSystem::OpenForWriting(const std::string& path) {
  // A file its owner marked read-only is refused for everyone, the superuser included, so that
  // the wizard never overwrites what the user protected.
  struct stat info;
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
      (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    errno = EACCES;
    return nullptr;
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return nullptr;
  return std::make_unique<StdioOutputFile>(file);
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
