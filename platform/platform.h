// The process-wide platform: one file system, one set of process services, one user
// interface. The real program installs the POSIX services and a backend at start; tests install
// their own to watch or to fail.
#pragma once

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/user_interface.h"

namespace platform {

FileSystem& Files();
ProcessServices& Process();
UserInterface& Ui();

// Replaces the services; a null argument keeps the current one. Returns nothing: callers that
// need to restore keep their own pointers (see ScopedPlatform).
void Install(FileSystem* files, ProcessServices* process, UserInterface* ui);

// Installs services for the lifetime of the object and puts the previous ones back after.
class ScopedPlatform {
 public:
  ScopedPlatform(FileSystem* files, ProcessServices* process, UserInterface* ui);
  ~ScopedPlatform();
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  FileSystem* files_;
  ProcessServices* process_;
  UserInterface* ui_;
};

}  // namespace platform
