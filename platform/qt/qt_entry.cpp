#include "platform/qt/qt_entry.h"

#include <QImage>
#include <cstdlib>

#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_ui.h"

extern "C" platform::UserInterface* RsWizardCreateGuiUi(int* /*argc*/, char** /*argv*/) {
  // Without a window system Qt would abort the process; the caller falls back instead.
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* platformName = std::getenv("QT_QPA_PLATFORM");
  if (!(display && *display) && !(wayland && *wayland) && !(platformName && *platformName))
    return nullptr;
  return new platform::qt::QtUi();
}

extern "C" bool RsWizardRenderDialogPng(const platform::Dialog& dialog, const char* path) {
  if (!path || !*path) return false;
  platform::qt::EnsureApplication();
  platform::qt::DialogWindow mirror(dialog);
  QImage image(mirror.size(), QImage::Format_RGB32);
  image.fill(mirror.palette().color(QPalette::Window));
  mirror.render(&image);
  return image.save(QString::fromLocal8Bit(path), "PNG");
}
