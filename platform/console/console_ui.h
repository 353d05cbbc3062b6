// The console backend: UI events read from an input stream, one per line; message boxes as
// lines on the error stream; page dumps on the output stream. docs/console.md is the reference
// of the event grammar and the dump format, which scripts and tests rely on.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console/console_script.h"
#include "platform/console/line_editor.h"
#include "platform/user_interface.h"

namespace platform {

// Outer frame of a console dialog around its client area: a thin border and a caption bar,
// as a window of the desktop the pages were drawn for would have.
inline constexpr FrameMargins kConsoleFrame{3, 22, 3, 3};
// The virtual screen the console dialogs are placed on.
inline constexpr Rect kConsoleScreen{0, 0, 1024, 768};

class ConsoleUi : public UserInterface {
 public:
  // Standard input, output and error; interactive when standard input is a terminal, and then
  // with the line editor when standard output is that terminal too.
  ConsoleUi();
  // Interactive: for a person at a terminal (docs/console.md, "At a terminal"); the lines are
  // read from `in` as they come, without the line editor.
  ConsoleUi(std::istream& in, std::ostream& out, std::ostream& err, bool interactive);
  ~ConsoleUi() override;

  void MessageBox(const Dialog* owner, std::string_view text, std::string_view caption) override;
  // Reads events until the handler ends the dialog; a handler may run a nested dialog, which
  // then takes the events from the same input until it ends.
  int RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
               DialogHandler& handler) override;
  // Prints `help "KEY"`, the help file's text and `end help` on the output stream.
  void ShowHelp(const std::string& helpFilePath, const std::string& key) override;
  Rect ScreenRect() const override;

  // What `snapshot` calls; the GUI module's renderer unless replaced (tests watch the call
  // without loading the module).
  using SnapshotRenderer =
      std::function<bool(const Dialog& dialog, const std::string& path, std::string* error)>;
  void SetSnapshotRenderer(SnapshotRenderer renderer) { renderSnapshot_ = std::move(renderer); }

 private:
  // Applies one event line; prints an error line and changes nothing when it cannot.
  void ApplyLine(const std::vector<std::string>& words, Dialog& dialog, DialogHandler& handler);
  void Click(const std::vector<std::string>& words, Dialog& dialog, DialogHandler& handler);
  void Type(const std::vector<std::string>& words, Dialog& dialog, DialogHandler& handler);
  void Pick(const std::vector<std::string>& words, Dialog& dialog, DialogHandler& handler);
  void Key(const std::vector<std::string>& words, Dialog& dialog, DialogHandler& handler);
  void Move(const std::vector<std::string>& words, Dialog& dialog);
  void Snapshot(const std::vector<std::string>& words, const Dialog& dialog);
  void ClickControl(const Control& control, Dialog& dialog, DialogHandler& handler);
  void TypeInto(Control& control, const std::string& text, Dialog& dialog, DialogHandler& handler);
  void PickItem(Control& control, int index, Dialog& dialog, DialogHandler& handler);
  // At a terminal: a line holding a number alone, and the question for a field's value.
  void ActOnNumber(const std::string& word, Dialog& dialog, DialogHandler& handler);
  void AskValue(Control& control, Dialog& dialog, DialogHandler& handler);
  void Echo(const std::vector<std::string>& event);
  // The next line, after the prompt when interactive; nothing at the end of the input, which
  // is then noted (and told at a terminal).
  std::optional<EventLine> ReadLine(std::string_view prompt,
                                    const LineEditor::Completer& completer);
  // At a terminal, the page after an event: printed again only when it looks different.
  void ShowView(const Dialog& dialog);
  bool ExpectArguments(const std::vector<std::string>& words, std::size_t count,
                       std::string_view usage);
  void Error(std::string_view message);
  void Dump(const Dialog& dialog);

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  bool interactive_;
  bool hintShown_ = false;
  bool inputEnded_ = false;
  SnapshotRenderer renderSnapshot_;
  std::unique_ptr<LineEditor> editor_;
  std::string lastView_;  // the page as ShowView last printed it
};

// "CAPTION: TEXT" with a line feed written as \n, a tab as \t and a backslash as \\.
std::string MessageLine(std::string_view caption, std::string_view text);

// A message box for a person: the caption on a line, then the text's lines indented by two
// blanks, its tabs expanded to the next multiple of eight columns.
std::string ReadableMessage(std::string_view caption, std::string_view text);

}  // namespace platform
