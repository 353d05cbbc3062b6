// One session of the wizard run by rsmanager as its manager: the notice socket, the wizard
// started on the design, a line per notice, and the end of the run judged by its exit status.
// The user's description is protected: a copy taken before the start is put back when the
// session is cancelled, and a finished session counts only when the wizard really wrote the
// description.
#pragma once

#include <string>

namespace manager {

enum class SessionEnd { kFinished, kCancelled, kBackedOut, kFailed };

// Returns how the session ended; messages go to standard error, notices to standard output.
SessionEnd RunWizardSession(const std::string& designPath);

}  // namespace manager
