#include "platform/console/console_ui.h"

#include <unistd.h>

#include <iostream>

namespace platform {

ConsoleUi::ConsoleUi() : ConsoleUi(std::cin, std::cout, std::cerr, ::isatty(0) == 1) {}

ConsoleUi::ConsoleUi(std::istream& in, std::ostream& out, std::ostream& err, bool interactive)
    : in_(in), out_(out), err_(err), interactive_(interactive) {}

std::string MessageLine(std::string_view caption, std::string_view text) {
  std::string line(caption);
  line += ": ";
  for (char c : text) {
    switch (c) {
      case '\n': line += "\\n"; break;
      case '\t': line += "\\t"; break;
      case '\\': line += "\\\\"; break;
      default: line += c;
    }
  }
  return line;
}

void ConsoleUi::MessageBox(const Dialog*, std::string_view text, std::string_view caption) {
  err_ << MessageLine(caption, text) << '\n' << std::flush;
}

int ConsoleUi::RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
                        DialogHandler& handler) {
  // Minimal loop until the scripted backend lands: build, initialise, then the end of input
  // acts as the close box.
  Dialog dialog(dialogTemplate, owner, FrameMargins{3, 22, 3, 3}, ScreenRect());
  dialog.BuildFromTemplate();
  handler.OnInitDialog(dialog);
  if (!dialog.Ended()) handler.OnCancelCommand(dialog);
  if (!dialog.Ended()) dialog.End(kResultCancel);
  return dialog.Result();
}

void ConsoleUi::ShowHelp(const std::string&, const std::string&) {}

Rect ConsoleUi::ScreenRect() const { return {0, 0, 1024, 768}; }

}  // namespace platform
