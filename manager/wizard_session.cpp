#include "manager/wizard_session.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>

#include "manager/program_paths.h"
#include "platform/child_process.h"
#include "platform/file_stamp.h"
#include "platform/notice_receiver.h"
#include "platform/path_parts.h"
#include "platform/platform.h"

namespace manager {

namespace {

constexpr int kPollMs = 20;

void Say(const std::string& line) {
  std::fprintf(stderr, "rsmanager: %s\n", line.c_str());
}

// "1034 X Y" from the wizard: a button was pressed with the page's lower-right corner there.
void PrintNotice(const std::string& datagram) {
  std::istringstream words(datagram);
  int message = 0, x = 0, y = 0;
  std::string rest;
  if (words >> message >> x >> y && !(words >> rest))
    std::printf("notice %d: button pressed, page corner %d %d\n", message, x, y);
  else
    std::printf("notice: \"%s\"\n", datagram.c_str());
  std::fflush(stdout);
}

// The description as it was before the wizard started, to be put back if the session leaves
// the user without it.
class DescriptionGuard {
 public:
  explicit DescriptionGuard(std::string path) : path_(std::move(path)) {
    before_ = platform::StampOf(path_);
    if (before_.exists) copy_ = platform::Files().ReadWhole(path_);
  }

  bool Existed() const { return before_.exists; }

  // Replaced during the run: a new file, or modified since the start. The time is compared
  // with the file's own time before the run, not with a clock: file times come from a clock
  // of their own, coarser or finer than any the program can read.
  bool WrittenDuringRun() const {
    const platform::FileStamp after = platform::StampOf(path_);
    if (!after.exists) return false;
    return !before_.exists || after.inode != before_.inode || after.device != before_.device ||
           after.modifiedNs != before_.modifiedNs;
  }

  // Puts the copy back when the file is gone or changed; true when it did.
  bool RestoreIfChanged() const {
    if (!copy_) return false;
    if (platform::Files().ReadWhole(path_) == copy_) return false;
    std::unique_ptr<platform::OutputFile> out = platform::Files().OpenForWriting(path_);
    if (!out || !out->Write(*copy_) || !out->Close()) {
      Say("could not put the previous description back: " + path_);
      return false;
    }
    return true;
  }

 private:
  std::string path_;
  platform::FileStamp before_;
  std::optional<std::string> copy_;
};

}  // namespace

SessionEnd RunWizardSession(const std::string& designPath) {
  const platform::PathParts design = platform::SplitPath(designPath, platform::PathSyntax::kSlash);
  const std::string cnx = design.Sibling(".cnx");
  const std::optional<std::string> wizard = FindWizard();
  if (!wizard) {
    Say("cannot find rswizard beside rsmanager, in the build tree or on PATH");
    return SessionEnd::kFailed;
  }
  std::string error;
  std::unique_ptr<platform::NoticeReceiver> notices = platform::BindNoticeReceiver(error);
  if (!notices) {
    Say("cannot bind the notice socket: " + error);
    return SessionEnd::kFailed;
  }
  const DescriptionGuard guard(cnx);
  std::vector<std::string> args{"-h" + std::to_string(notices->ThreadId())};
  if (!guard.Existed()) args.push_back("-n");
  args.push_back(designPath);
  std::unique_ptr<platform::ChildProcess> child = platform::StartChild(*wizard, args, error);
  if (!child) {
    Say("cannot start " + *wizard + ": " + error);
    return SessionEnd::kFailed;
  }
  std::optional<platform::ChildEnd> end;
  while (!(end = child->Poll()))
    if (std::optional<std::string> notice = notices->Receive(kPollMs)) PrintNotice(*notice);
  // Notices are posted before the wizard ends: whatever is queued still belongs to the run.
  while (std::optional<std::string> notice = notices->Receive(0)) PrintNotice(*notice);

  const auto restored = [&]() {
    return guard.RestoreIfChanged() ? "; the previous description " + cnx + " is put back"
                                    : std::string();
  };
  if (!end->exited) {
    const std::string put = restored();
    Say("the wizard was ended by signal " + std::to_string(end->status) + ": nothing generated" +
        put);
    return SessionEnd::kFailed;
  }
  switch (end->status) {
    case 0:
      if (guard.WrittenDuringRun()) return SessionEnd::kFinished;
      Say("the wizard finished but could not write " + cnx + ": nothing generated");
      return SessionEnd::kFailed;
    case 2:
      Say("cancelled: nothing generated" + restored());
      return SessionEnd::kCancelled;
    case 255:
      Say("the wizard was left with < Back on its first page: nothing generated");
      return SessionEnd::kBackedOut;
    default: {
      const std::string put = restored();
      Say("the wizard failed (exit status " + std::to_string(end->status) + "): nothing generated" +
          put);
      return SessionEnd::kFailed;
    }
  }
}

}  // namespace manager
