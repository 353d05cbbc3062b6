#include "platform/qt/qt_entry.h"

#include <dlfcn.h>

#include <QImage>
#include <QImageWriter>
#include <cstdlib>
#include <cstring>

#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_first_paint_probe.h"
#include "platform/qt/qt_ui.h"

namespace {

// Qt ends the process when its platform cannot start, so a stale DISPLAY (an SSH session whose
// forwarding is gone) is tried first with the X library itself.
bool XDisplayReachable() {
  void* xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!xcb) return true;  // let Qt decide and say why
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
  auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
  auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
  if (!connect || !hasError || !disconnect) return true;
  void* connection = connect(nullptr, nullptr);
  const bool reachable = connection && hasError(connection) == 0;
  if (connection) disconnect(connection);
  return reachable;
}

}  // namespace

extern "C" platform::UserInterface* RsWizardCreateGuiUi(int* /*argc*/, char** /*argv*/) {
  // Without a window system Qt would abort the process; the caller falls back instead.
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* platformName = std::getenv("QT_QPA_PLATFORM");
  if (!(display && *display) && !(wayland && *wayland) && !(platformName && *platformName))
    return nullptr;
  const bool x11 = platformName && *platformName ? std::strncmp(platformName, "xcb", 3) == 0
                                                 : !(wayland && *wayland);
  if (!QCoreApplication::instance() && x11 && !XDisplayReachable()) return nullptr;
  platform::qt::InstallFirstPaintProbeIfAsked();
  return new platform::qt::QtUi();
}

extern "C" int RsWizardRenderDialogImage(const platform::Dialog& dialog, const char* path,
                                         const char* format) {
  if (!path || !*path || !format) return platform::kImageNotWritten;
  platform::qt::EnsureApplication();
  if (!QImageWriter::supportedImageFormats().contains(QByteArray(format).toLower()))
    return platform::kImageFormatUnsupported;
  platform::qt::DialogWindow mirror(dialog);
  QImage image(mirror.size(), QImage::Format_RGB32);
  image.fill(mirror.palette().color(QPalette::Window));
  mirror.render(&image);
  return image.save(QString::fromLocal8Bit(path), format) ? platform::kImageWritten
                                                          : platform::kImageNotWritten;
}
