#include "platform/file_system.h"

#include <cerrno>
#include <utility>

namespace platform {

namespace {

// Cleaning up after a failure must not hide the error that caused it.
class KeepErrno {
 public:
  KeepErrno() : saved_(errno) {}
  ~KeepErrno() { errno = saved_; }
  KeepErrno(const KeepErrno&) = delete;
  KeepErrno& operator=(const KeepErrno&) = delete;

 private:
  int saved_;
};

class ReplacingOutputFile : public OutputFile {
 public:
  ReplacingOutputFile(FileSystem& files, ReplacementFile replacement)
      : files_(files), replacement_(std::move(replacement)) {}
  ~ReplacingOutputFile() override {
    if (replacement_.file) Discard();
  }
  ReplacingOutputFile(const ReplacingOutputFile&) = delete;
  ReplacingOutputFile& operator=(const ReplacingOutputFile&) = delete;

  bool Write(std::string_view data) override {
    if (!replacement_.file || writeError_) return false;
    if (replacement_.file->Write(data)) return true;
    writeError_ = errno != 0 ? errno : EIO;
    return false;
  }

  bool Close() override {
    if (!replacement_.file) return false;
    // Closed even after a failed write, so that nothing holds the file when it is removed.
    const bool closed = replacement_.file->Close();
    replacement_.file.reset();
    if (writeError_) errno = writeError_;  // the first failure is the one to report
    if (closed && !writeError_ && files_.Rename(replacement_.path, replacement_.target))
      return true;
    RemoveReplacement();
    return false;
  }

 private:
  void Discard() {
    KeepErrno keep;
    replacement_.file.reset();
    RemoveReplacement();
  }

  void RemoveReplacement() {
    KeepErrno keep;
    files_.Remove(replacement_.path);
  }

  FileSystem& files_;
  ReplacementFile replacement_;
  int writeError_ = 0;  // errno of a failed write; 0 while every write succeeded
};

}  // namespace

std::unique_ptr<OutputFile> FileSystem::OpenForWriting(const std::string& path) {
  std::optional<ReplacementFile> replacement = CreateReplacement(path);
  if (!replacement) return nullptr;
  return std::make_unique<ReplacingOutputFile>(*this, std::move(*replacement));
}

}  // namespace platform
