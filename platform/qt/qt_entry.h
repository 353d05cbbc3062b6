// The entry points of the GUI module, as the loader finds them by name. This header is shared
// by the module and the loader and must never pull in Qt.
#pragma once

#include "platform/dialog.h"
#include "platform/user_interface.h"

#define RSWIZARD_GUI_EXPORT __attribute__((visibility("default")))

extern "C" {

// Creates the application object (when the process has none yet) and the window services.
// Only argv[0] is handed to Qt, so that the wizard's own options never reach Qt's parser. The
// caller owns the result; nullptr when no display can be opened.
RSWIZARD_GUI_EXPORT platform::UserInterface* RsWizardCreateGuiUi(int* argc, char** argv);

// Draws the dialog's client area as the window shows it, painted panels included, into a PNG
// file. Works without a display (offscreen). False when the file cannot be written.
RSWIZARD_GUI_EXPORT bool RsWizardRenderDialogPng(const platform::Dialog& dialog, const char* path);

}  // extern "C"

namespace platform {
inline constexpr const char* kCreateGuiUiSymbol = "RsWizardCreateGuiUi";
inline constexpr const char* kRenderDialogPngSymbol = "RsWizardRenderDialogPng";
using CreateGuiUiFunction = UserInterface* (*)(int* argc, char** argv);
using RenderDialogPngFunction = bool (*)(const Dialog& dialog, const char* path);
}  // namespace platform
