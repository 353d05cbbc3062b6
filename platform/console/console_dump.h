// The `dump` text of a dialog: what a script or a person at a terminal reads of a page.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace platform {

// How a dump is laid out. Scripts get the default; a person at a terminal gets numbers and, in
// the view printed after each event, short lists.
struct DumpStyle {
  bool numbered = false;    // "[N] " before each control a number can act on, blanks before others
  bool shortLists = false;  // a list of more than kShortListItems items shows its ends and count
};
inline constexpr std::size_t kShortListItems = 8;

// `page "CAPTION"`, `rect LEFT TOP RIGHT BOTTOM` (outer rectangle, screen coordinates), then
// one line per listed control in creation order; every line ends with a line feed.
std::string DumpDialog(const Dialog& dialog, DumpStyle style = {});

// The line of one control, without its line feed; empty for the kinds a dump leaves out
// (pictures, black rectangles, panels).
std::string DumpControl(const Control& control, bool shortList = false);

// The controls of a numbered dump in their order ([1] is the front): every button, radio
// button, check box, field and edit that is not read-only, enabled or not, so that a page's
// numbers stay put while its controls are enabled and disabled.
std::vector<Control*> NumberedControls(const Dialog& dialog);

}  // namespace platform
