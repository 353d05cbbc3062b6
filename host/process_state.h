// Values that live for the whole process because pages and writers far from the application
// object need them.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace host {

struct ProcessState {
  // Lower-right corner of the wizard page on the screen, carried from page to page.
  platform::Point pagePosition{100, 100};
  bool positionKnown = false;
  // Drive and directory of the design file (ending in a separator, or empty) and its file
  // name without extension; every generated file is named from them.
  std::string designDirectory;
  std::string designBaseName;
  // The caller's thread, reached by NavigationNotice when given on the command line.
  bool callerThreadGiven = false;
  int callerThreadId = 0;
};

ProcessState& State();
// Back to the values at process start (for tests that run several wizards in one process).
void ResetProcessState();

}  // namespace host
