// Finding and opening the GUI module on demand. The console path never calls these, so a
// scripted run never maps Qt into the process.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "platform/user_interface.h"

namespace platform {

// True when a window system can be reached: DISPLAY or WAYLAND_DISPLAY is set, or
// QT_QPA_PLATFORM names a platform (offscreen included).
bool GuiAvailable();

// Where the module is looked for, in order: $RSWIZARD_GUI_MODULE when set (a full path), then
// the directory of the executable, then ../lib/rswizard beside that directory (the installed
// layout bin/rswizard, lib/rswizard/librswizard_qt.so).
std::vector<std::string> GuiModuleCandidates(const std::string& executablePath);

// Creates the GUI backend. nullptr with *error (when given) set to a sentence a user can act
// on when the module is missing, broken, or no display can be opened.
std::unique_ptr<UserInterface> LoadGuiUi(int* argc, char** argv, std::string* error);

// The picture format a snapshot file's extension names, in any case: "PNG" for .png, "JPEG"
// for .jpg and .jpeg, "BMP" for .bmp; nullptr for any other name.
const char* SnapshotFormatFor(std::string_view path);

// Writes the dialog's client area, as the GUI draws it, to a picture file in the format its
// extension names. Loads the module on first use; works without a display. False, with a
// one-sentence reason, for another extension, a format the module's Qt cannot write, or a file
// that cannot be written.
bool RenderDialogImage(const Dialog& dialog, const std::string& path, std::string* error);

}  // namespace platform
