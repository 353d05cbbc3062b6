// A file path cut into its directory, its base name and its extension: the pieces every file
// the wizard and rsmanager write is named from.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Which characters end a directory. The wizard keeps the rules of the host programs that start
// it, where "\" separates directories too and a drive ("C:") belongs to the directory;
// rsmanager takes the paths of this system, where "/" alone does.
enum class PathSyntax { kSlash, kSlashBackslashDrive };

struct PathParts {
  std::string directory;  // up to and including the last separator, or empty
  std::string baseName;   // the file name without its extension
  std::string extension;  // from the last dot of the file name on, dot included, or empty

  // directory + baseName + suffix, e.g. Sibling(".cnx") or Sibling("_tb.v").
  std::string Sibling(std::string_view suffix) const {
    return directory + baseName + std::string(suffix);
  }
};

// Splits after the last separator and at the last "." of the file name.
PathParts SplitPath(std::string_view path, PathSyntax syntax);

}  // namespace platform
