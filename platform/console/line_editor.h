// A small line editor for the console backend at a terminal, on termios alone: editing keys,
// a history of the session's lines and Tab completion. The terminal is in raw mode only while a
// line is read, and is put back when a signal ends or stops the process during it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console/console_assist.h"

namespace platform {

class LineEditor {
 public:
  // The completions of the text before the cursor, and whether they follow the event grammar's
  // quoting (event lines) or are plain text (answers).
  struct Completer {
    std::function<Completion(std::string_view beforeCursor)> complete;
    bool quoting = true;
  };

  // Reads from and echoes on these descriptors, which must be the same terminal.
  LineEditor(int inFd, int outFd);

  // Shows the prompt and returns the line typed, without its end. Nothing when the input ends:
  // Ctrl-D on an empty line, or the terminal is gone. Lines longer than maxLength are not
  // accepted past that length.
  std::optional<std::string> ReadLine(std::string_view prompt, const Completer& completer,
                                      std::size_t maxLength);

 private:
  enum class Step { Going, Done, Ended };
  Step Key(unsigned char c, const Completer& completer, std::size_t maxLength);
  void Escape();
  void Complete(const Completer& completer);
  void Insert(std::string_view text, std::size_t maxLength);
  void DeleteForward();
  void MoveLeft();
  void MoveRight();
  void Recall(int direction);
  void Refresh();
  void Write(std::string_view text) const;
  int Columns() const;

  int in_;
  int out_;
  std::vector<std::string> history_;
  std::size_t recalled_ = 0;  // index into history_, history_.size() for the line being typed
  std::string draft_;         // the line being typed while an older one is shown
  std::string prompt_;
  std::string line_;
  std::size_t cursor_ = 0;     // byte offset in line_
  std::size_t cursorRow_ = 0;  // rows between the prompt's row and the cursor's
};

}  // namespace platform
