// Where the wizard finds its help file.
#pragma once

#include <string>

namespace host {

// The executable's path with its extension replaced by ".hlp" (appended when it has none).
std::string HelpFilePathFor(const std::string& executablePath);

// Where an installed program's help file lives: the data directory beside the program's
// directory (bin/../share/rswizard/), so that any installation prefix works.
std::string InstalledHelpFilePathFor(const std::string& executablePath);

}  // namespace host
