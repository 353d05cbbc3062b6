#include "host/command_line.h"

#include "description/leading_integer.h"
#include "platform/platform.h"

namespace host {

const char* const kManagerCaption = "Corvex Plug-In Manager";

const char* const kHelpText =
    "Command line options:\n\n-n\t\tindicates that this is a new file (required)\n<filename>\tfull "
    "path to file that must be created (required)\n\n-h\t\tSpecifies the thread ID of the calling "
    "program (optional)\n-symbol\tSpecifies that the calling program can generate a symbol file "
    "(optional)\n-x\t\tSpecifies the screen x coordinate of the lower right corner "
    "(optional)\n-y\t\t"
    "Specifies the screen y coordinate of the lower right corner (optional)\n-p\t\tSpecifies the "
    "first page offset (optional)";

namespace {

void ParseOption(const std::string& option, CommandLineOptions& options) {
  if (option == "symbol") {
    options.symbolFile = true;
    return;
  }
  if (option.find('.') != std::string::npos) {
    // A path such as /d/work/rs.tdf keeps its slash.
    options.designPath = "/" + option;
    return;
  }
  const std::string_view value =
      option.empty() ? std::string_view() : std::string_view(option).substr(1);
  switch (option.empty() ? '\0' : option[0]) {
    case 'h':
      options.callerThreadId = description::LeadingInteger(value);
      options.callerThreadGiven = true;
      return;
    case 'n':
      options.newFile = true;
      return;
    case 'p':
      options.pageOffset = description::LeadingInteger(value);
      return;
    case 't':
      return;
    case 'x':
      options.x = description::LeadingInteger(value);
      options.xGiven = true;
      return;
    case 'y':
      options.y = description::LeadingInteger(value);
      options.yGiven = true;
      return;
    default:
      platform::Ui().MessageBox(nullptr, kHelpText, kManagerCaption);
  }
}

}  // namespace

CommandLineOptions ParseCommandLine(const std::vector<std::string>& words) {
  CommandLineOptions options;
  for (const std::string& word : words) {
    const bool isOption = !word.empty() && (word[0] == '-' || word[0] == '/');
    if (!isOption) {
      options.designPath = word;
      continue;
    }
    if (word.size() - 1 > kMaxOptionLength) {
      platform::Ui().MessageBox(
          nullptr, "Command line option ignored: it is longer than 511 characters after its marker",
          kManagerCaption);
      continue;
    }
    ParseOption(word.substr(1), options);
  }
  return options;
}

}  // namespace host
