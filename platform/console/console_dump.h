// The `dump` text of a dialog: what a script or a person at a terminal reads of a page.
#pragma once

#include <string>

#include "platform/dialog.h"

namespace platform {

// `page "CAPTION"`, `rect LEFT TOP RIGHT BOTTOM` (outer rectangle, screen coordinates), then
// one line per listed control in creation order; every line ends with a line feed.
std::string DumpDialog(const Dialog& dialog);

// The line of one control, without its line feed; empty for the kinds a dump leaves out
// (pictures, black rectangles, panels).
std::string DumpControl(const Control& control);

}  // namespace platform
