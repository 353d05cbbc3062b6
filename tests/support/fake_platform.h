// Platform services for tests: a file system that can be made to fail, a user interface that
// records message boxes, process services whose Exit throws instead of ending the test.
#pragma once

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace testsupport {

// Thrown by FakeProcess::Exit, so that a test sees the exit status of a fatal path.
struct ExitCalled {
  int code;
};

struct Notice {
  int threadId;
  int message;
  int x;
  int y;
};

class FakeProcess : public platform::ProcessServices {
 public:
  std::string executablePath = "/opt/rswizard/bin/rswizard";
  std::vector<Notice> notices;
  std::string ExecutablePath() override { return executablePath; }
  void PostNotice(int threadId, int message, int x, int y) override {
    notices.push_back({threadId, message, x, y});
  }
  [[noreturn]] void Exit(int code) override { throw ExitCalled{code}; }
};

struct ShownMessage {
  std::string caption;
  std::string text;
  bool hadOwner;
};

// Records message boxes; dialogs are built and initialised, then `script` (if set) acts on
// them; without a script a dialog is cancelled.
class RecordingUi : public platform::UserInterface {
 public:
  std::vector<ShownMessage> messages;
  std::function<void(platform::Dialog&, platform::DialogHandler&)> script;
  std::vector<std::string> helpShown;

  void MessageBox(const platform::Dialog* owner, std::string_view text,
                  std::string_view caption) override;
  int RunModal(const platform::DialogTemplate& dialogTemplate, const platform::Dialog* owner,
               platform::DialogHandler& handler) override;
  void ShowHelp(const std::string& helpFilePath, const std::string& key) override;
  platform::Rect ScreenRect() const override { return {0, 0, 1024, 768}; }
};

// The steps of writing a file (creating its replacement, writing and closing that, renaming it
// over the old file), removing one and reading one whole, counted over the whole run from 1.
enum class FileOp { Open, Write, Close, Rename, Remove, Read };

// The real file system, with one chosen operation made to fail with a chosen errno. Files are
// opened for writing by the real replacement logic of platform::FileSystem, so a failure shows
// what the program really leaves behind.
class FaultyFileSystem : public platform::FileSystem {
 public:
  // Fails the n-th operation of that kind (1-based) on a path containing `pathPart` (empty:
  // any path). The path of Open, Write, Close and Rename is the file being replaced; that of
  // Remove the file removed, a replacement left over by a failure included; that of Read the
  // file read.
  void FailNth(FileOp op, int n, int error = ENOSPC, std::string pathPart = "");
  int Count(FileOp op) const;
  std::vector<std::string> opened;  // paths opened for writing, in order

  std::optional<std::string> ReadWhole(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Remove(const std::string& path) override;
  std::optional<platform::ReplacementFile> CreateReplacement(const std::string& target) override;
  bool Rename(const std::string& from, const std::string& to) override;

  // Used by the files it hands out.
  bool ShouldFail(FileOp op, const std::string& path);

 private:
  platform::PosixFileSystem real_;
  std::map<FileOp, int> counts_;
  FileOp failOp_ = FileOp::Open;
  int failAt_ = 0;
  int failErrno_ = ENOSPC;
  std::string failPath_;
  int matched_ = 0;  // operations of failOp_ on a matching path so far
};

// A fresh directory under the system's temporary directory, removed with its content at the
// end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  // The path as text, ending in a separator, as the design directory does.
  std::string Dir() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

std::string ReadFileText(const std::filesystem::path& path);
void WriteFileText(const std::filesystem::path& path, const std::string& text);

// Compares `actual` with the golden file tests/golden/<name>; with RS_UPDATE_GOLDEN=1 in the
// environment it rewrites the golden file instead (and the test still passes).
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual);

}  // namespace testsupport
