// The window services of the wizard: message boxes, modal dialogs, help.
#pragma once

#include <string>
#include <string_view>

#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/geometry.h"

namespace platform {

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // A modal box with the text, the caption and one OK button; returns once it is answered.
  virtual void MessageBox(const Dialog* owner, std::string_view text, std::string_view caption) = 0;
  // Builds a dialog from the template, calls handler.OnInitDialog, shows it and feeds the
  // user's actions to the handler until Dialog::End; returns the dialog's result.
  virtual int RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
                       DialogHandler& handler) = 0;
  // Shows the help file at the given key.
  virtual void ShowHelp(const std::string& helpFilePath, const std::string& key) = 0;
  virtual Rect ScreenRect() const = 0;
};

}  // namespace platform
