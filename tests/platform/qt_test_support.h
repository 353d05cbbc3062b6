// Shared set-up of the Qt backend's tests: the offscreen platform and the application object.
#pragma once

#include <QApplication>
#include <cstdlib>

#include "platform/qt/qt_ui.h"

namespace qttest {

inline QApplication& App() {
  // No display in CI: every Qt test runs on the offscreen platform.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  return platform::qt::EnsureApplication();
}

}  // namespace qttest
