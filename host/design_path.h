// The design file's name, cut into the pieces every generated file is named from.
#pragma once

#include <string>

namespace host {

struct DesignPathParts {
  std::string directory;  // drive and directory, ending in its last separator, or empty
  std::string baseName;   // file name without extension
  std::string extension;  // from the last dot of the file name on, dot included, or empty
};

// Both "/" and "\" separate directories; a drive letter ("C:") belongs to the directory.
DesignPathParts SplitDesignPath(const std::string& path);

// The executable's path with its extension replaced by ".hlp" (appended when it has none).
std::string HelpFilePathFor(const std::string& executablePath);

// Where an installed program's help file lives: the data directory beside the program's
// directory (bin/../share/rswizard/), so that any installation prefix works.
std::string InstalledHelpFilePathFor(const std::string& executablePath);

}  // namespace host
