#include "host/design_path.h"

namespace host {

namespace {
std::size_t FileNameStart(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  if (separator != std::string::npos) return separator + 1;
  // "C:rs.tdf": the drive alone.
  if (path.size() >= 2 && path[1] == ':') return 2;
  return 0;
}
}  // namespace

DesignPathParts SplitDesignPath(const std::string& path) {
  const std::size_t nameStart = FileNameStart(path);
  DesignPathParts parts;
  parts.directory = path.substr(0, nameStart);
  const std::string fileName = path.substr(nameStart);
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos) {
    parts.baseName = fileName;
  } else {
    parts.baseName = fileName.substr(0, dot);
    parts.extension = fileName.substr(dot);
  }
  return parts;
}

std::string HelpFilePathFor(const std::string& executablePath) {
  const DesignPathParts parts = SplitDesignPath(executablePath);
  return parts.directory + parts.baseName + ".hlp";
}

std::string InstalledHelpFilePathFor(const std::string& executablePath) {
  return SplitDesignPath(executablePath).directory + "../share/rswizard/rswizard.hlp";
}

}  // namespace host
