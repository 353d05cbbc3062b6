// The console backend: UI events read from an input stream, one per line; message boxes as
// lines on the error stream; page dumps on the output stream.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/user_interface.h"

namespace platform {

class ConsoleUi : public UserInterface {
 public:
  // Standard input, output and error.
  ConsoleUi();
  ConsoleUi(std::istream& in, std::ostream& out, std::ostream& err, bool interactive);

  void MessageBox(const Dialog* owner, std::string_view text, std::string_view caption) override;
  int RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
               DialogHandler& handler) override;
  void ShowHelp(const std::string& helpFilePath, const std::string& key) override;
  Rect ScreenRect() const override;

 private:
  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  bool interactive_;
};

// "CAPTION: TEXT" with a line feed written as \n, a tab as \t and a backslash as \\.
std::string MessageLine(std::string_view caption, std::string_view text);

}  // namespace platform
