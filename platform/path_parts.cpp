#include "platform/path_parts.h"

namespace platform {

namespace {

std::size_t FileNameStart(std::string_view path, PathSyntax syntax) {
  const std::size_t separator =
      path.find_last_of(syntax == PathSyntax::kSlash ? std::string_view("/") : "/\\");
  if (separator != std::string_view::npos) return separator + 1;
  // "C:rs.tdf": the drive alone.
  if (syntax == PathSyntax::kSlashBackslashDrive && path.size() >= 2 && path[1] == ':') return 2;
  return 0;
}

}  // namespace

PathParts SplitPath(std::string_view path, PathSyntax syntax) {
  const std::size_t nameStart = FileNameStart(path, syntax);
  PathParts parts;
  parts.directory = std::string(path.substr(0, nameStart));
  const std::string_view file = path.substr(nameStart);
  const std::size_t dot = file.rfind('.');
  parts.baseName = std::string(file.substr(0, dot));
  if (dot != std::string_view::npos) parts.extension = std::string(file.substr(dot));
  return parts;
}

}  // namespace platform
