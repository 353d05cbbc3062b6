#include "platform/platform.h"

#include "platform/console/console_ui.h"

namespace platform {

namespace {
FileSystem* currentFiles = nullptr;
ProcessServices* currentProcess = nullptr;
UserInterface* currentUi = nullptr;

// Until a backend is installed, everything goes to the console; the defaults live as long as
// the process.
FileSystem& DefaultFiles() {
  static PosixFileSystem files;
  return files;
}
ProcessServices& DefaultProcess() {
  static PosixProcessServices process;
  return process;
}
UserInterface& DefaultUi() {
  static ConsoleUi ui;
  return ui;
}
}  // namespace

FileSystem& Files() {
  return currentFiles ? *currentFiles : DefaultFiles();
}
ProcessServices& Process() {
  return currentProcess ? *currentProcess : DefaultProcess();
}
UserInterface& Ui() {
  return currentUi ? *currentUi : DefaultUi();
}

void Install(FileSystem* files, ProcessServices* process, UserInterface* ui) {
  if (files) currentFiles = files;
  if (process) currentProcess = process;
  if (ui) currentUi = ui;
}

ScopedPlatform::ScopedPlatform(FileSystem* files, ProcessServices* process, UserInterface* ui)
    : files_(currentFiles), process_(currentProcess), ui_(currentUi) {
  Install(files, process, ui);
}

ScopedPlatform::~ScopedPlatform() {
  currentFiles = files_;
  currentProcess = process_;
  currentUi = ui_;
}

}  // namespace platform
