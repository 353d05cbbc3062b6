// The window services on Qt Widgets: pages as modal dialogs, one-button message boxes, a plain
// help viewer.
#pragma once

#include <QApplication>
#include <memory>

#include "platform/user_interface.h"

namespace platform::qt {

// The process's application object, made on first use when there is none. A process without
// a display and without QT_QPA_PLATFORM gets the offscreen platform.
QApplication& EnsureApplication();

// Gives the application the look every window and snapshot of the wizard shares.
void PrepareApplication(QApplication& app);

class QtUi : public UserInterface {
 public:
  QtUi();

  void MessageBox(const Dialog* owner, std::string_view text, std::string_view caption) override;
  int RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
               DialogHandler& handler) override;
  void ShowHelp(const std::string& helpFilePath, const std::string& key) override;
  Rect ScreenRect() const override;

 private:
  void ProbeFrame();
};

}  // namespace platform::qt
