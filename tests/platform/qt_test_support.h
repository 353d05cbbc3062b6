// Shared set-up of the Qt backend's tests: the offscreen platform and the application object.
#pragma once

#include <QApplication>
#include <cstdlib>

#include "platform/qt/qt_ui.h"

namespace qttest {

inline QApplication& App() {
  // No display in CI: the Qt tests run on the offscreen platform unless QT_QPA_PLATFORM
  // already names another (QT_QPA_PLATFORM=xcb under Xvfb shows the real windows).
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return platform::qt::EnsureApplication();
}

}  // namespace qttest
