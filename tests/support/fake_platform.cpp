#include "tests/support/fake_platform.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testsupport {

void RecordingUi::MessageBox(const platform::Dialog* owner, std::string_view text,
                             std::string_view caption) {
  messages.push_back({std::string(caption), std::string(text), owner != nullptr});
}

int RecordingUi::RunModal(const platform::DialogTemplate& dialogTemplate,
                          const platform::Dialog* owner, platform::DialogHandler& handler) {
  platform::Dialog dialog(dialogTemplate, owner, platform::FrameMargins{3, 22, 3, 3}, ScreenRect());
  dialog.BuildFromTemplate();
  handler.OnInitDialog(dialog);
  if (script && !dialog.Ended()) script(dialog, handler);
  if (!dialog.Ended()) handler.OnCancelCommand(dialog);
  if (!dialog.Ended()) dialog.End(platform::kResultCancel);
  return dialog.Result();
}

void RecordingUi::ShowHelp(const std::string& helpFilePath, const std::string& key) {
  helpShown.push_back(helpFilePath + "#" + key);
}

namespace {

class FaultyOutputFile : public platform::OutputFile {
 public:
  FaultyOutputFile(FaultyFileSystem& owner, std::string path,
                   std::unique_ptr<platform::OutputFile> real)
      : owner_(owner), path_(std::move(path)), real_(std::move(real)) {}
  bool Write(std::string_view data) override {
    if (owner_.ShouldFail(FileOp::Write, path_)) {
      // A short write: part of the data reaches the disk, as when it fills up.
      real_->Write(data.substr(0, data.size() / 2));
      return false;
    }
    return real_->Write(data);
  }
  bool Close() override {
    const bool ok = real_->Close();
    if (owner_.ShouldFail(FileOp::Close, path_)) return false;
    return ok;
  }

 private:
  FaultyFileSystem& owner_;
  std::string path_;
  std::unique_ptr<platform::OutputFile> real_;
};

}  // namespace

void FaultyFileSystem::FailNth(FileOp op, int n, int error, std::string pathPart) {
  failOp_ = op;
  failAt_ = n;
  failErrno_ = error;
  failPath_ = std::move(pathPart);
  matched_ = 0;
}

int FaultyFileSystem::Count(FileOp op) const {
  auto it = counts_.find(op);
  return it == counts_.end() ? 0 : it->second;
}

bool FaultyFileSystem::ShouldFail(FileOp op, const std::string& path) {
  ++counts_[op];
  if (failAt_ == 0 || op != failOp_) return false;
  if (!failPath_.empty() && path.find(failPath_) == std::string::npos) return false;
  if (++matched_ != failAt_) return false;
  errno = failErrno_;
  return true;
}

std::optional<platform::ReplacementFile> FaultyFileSystem::CreateReplacement(
    const std::string& target) {
  if (ShouldFail(FileOp::Open, target)) return std::nullopt;
  std::optional<platform::ReplacementFile> replacement = real_.CreateReplacement(target);
  if (!replacement) return std::nullopt;
  opened.push_back(target);
  replacement->file =
      std::make_unique<FaultyOutputFile>(*this, target, std::move(replacement->file));
  return replacement;
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
  if (ShouldFail(FileOp::Rename, to)) return false;
  return real_.Rename(from, to);
}

std::optional<std::string> FaultyFileSystem::ReadWhole(const std::string& path) {
  if (ShouldFail(FileOp::Read, path)) return std::nullopt;
  return real_.ReadWhole(path);
}

bool FaultyFileSystem::Exists(const std::string& path) {
  return real_.Exists(path);
}

bool FaultyFileSystem::Remove(const std::string& path) {
  if (ShouldFail(FileOp::Remove, path)) return false;
  return real_.Remove(path);
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ =
        base / ("rswizard-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual) {
  const std::filesystem::path path = std::filesystem::path(RS_GOLDEN_DIR) / name;
  const char* update = std::getenv("RS_UPDATE_GOLDEN");
  if (update && std::string(update) == "1") {
    std::filesystem::create_directories(path.parent_path());
    WriteFileText(path, actual);
    return ::testing::AssertionSuccess();
  }
  if (!std::filesystem::exists(path))
    return ::testing::AssertionFailure() << "golden file " << path << " is missing";
  const std::string expected = ReadFileText(path);
  if (expected == actual) return ::testing::AssertionSuccess();
  // Name the first line that differs, which is what a reader of the failure wants.
  std::istringstream e(expected), a(actual);
  std::string el, al;
  int line = 1;
  while (true) {
    const bool he = static_cast<bool>(std::getline(e, el));
    const bool ha = static_cast<bool>(std::getline(a, al));
    if (!he && !ha) break;
    if (el != al || he != ha)
      return ::testing::AssertionFailure()
             << name << " differs at line " << line << ":\n  expected: " << (he ? el : "<end>")
             << "\n  actual:   " << (ha ? al : "<end>");
    ++line;
  }
  return ::testing::AssertionFailure() << name << " differs (line endings or final line feed)";
}

}  // namespace testsupport
