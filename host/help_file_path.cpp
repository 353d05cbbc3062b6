#include "host/help_file_path.h"

#include "platform/path_parts.h"

namespace host {

namespace {
platform::PathParts Split(const std::string& path) {
  return platform::SplitPath(path, platform::PathSyntax::kSlashBackslashDrive);
}
}  // namespace

std::string HelpFilePathFor(const std::string& executablePath) {
  return Split(executablePath).Sibling(".hlp");
}

std::string InstalledHelpFilePathFor(const std::string& executablePath) {
  return Split(executablePath).directory + "../share/rswizard/rswizard.hlp";
}

}  // namespace host
