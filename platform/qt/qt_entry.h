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

// Draws the dialog's client area as the window shows it, painted panels included, into a
// picture file in the given Qt image format ("PNG", "JPEG", "BMP"). Works without a display
// (offscreen). Returns one of the kImage... codes below.
RSWIZARD_GUI_EXPORT int RsWizardRenderDialogImage(const platform::Dialog& dialog, const char* path,
                                                  const char* format);

}  // extern "C"

namespace platform {
inline constexpr const char* kCreateGuiUiSymbol = "RsWizardCreateGuiUi";
inline constexpr const char* kRenderDialogImageSymbol = "RsWizardRenderDialogImage";
using CreateGuiUiFunction = UserInterface* (*)(int* argc, char** argv);
using RenderDialogImageFunction = int (*)(const Dialog& dialog, const char* path,
                                          const char* format);
inline constexpr int kImageWritten = 0;
inline constexpr int kImageFormatUnsupported = 1;  // this Qt has no writer for the format
inline constexpr int kImageNotWritten = 2;
}  // namespace platform
