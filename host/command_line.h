// The command line with which the calling manager starts the wizard.
#pragma once

#include <string>
#include <vector>

namespace host {

struct CommandLineOptions {
  std::string designPath;
  bool newFile = false;
  int callerThreadId = 0;
  bool callerThreadGiven = false;
  bool symbolFile = false;
  int pageOffset = 0;
  // Screen corner of the pages, when given.
  bool xGiven = false;
  int x = 0;
  bool yGiven = false;
  int y = 0;
};

extern const char* const kHelpText;
extern const char* const kManagerCaption;

// The longest option word accepted, counted after its marker.
inline constexpr std::size_t kMaxOptionLength = 511;

// Parses the words after the program name. Unrecognised options show the help text and
// parsing goes on; an option word that is too long is refused with a message and skipped.
CommandLineOptions ParseCommandLine(const std::vector<std::string>& words);

}  // namespace host
