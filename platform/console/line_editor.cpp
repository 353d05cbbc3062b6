#include "platform/console/line_editor.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "platform/console/console_script.h"

namespace platform {

namespace {

// The terminal's settings while a line is read, for the signal handler to put back.
struct termios savedTerminal;
int rawFd = -1;

const int kEndingSignals[] = {SIGHUP, SIGTERM};

void RestoreAndDie(int signal) {
  if (rawFd >= 0) ::tcsetattr(rawFd, TCSANOW, &savedTerminal);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

// Raw mode for one line: no echo, no line discipline, every key as it comes. The output side
// keeps its processing, so a line feed still starts a new line.
class RawMode {
 public:
  explicit RawMode(int fd) : fd_(fd) {
    if (::tcgetattr(fd, &savedTerminal) != 0) return;
    struct termios raw = savedTerminal;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN | ISIG);
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    raw_ = raw;
    rawFd = fd;
    struct sigaction action {};
    action.sa_handler = RestoreAndDie;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
      ::sigaction(kEndingSignals[i], &action, &previous_[i]);
    active_ = ::tcsetattr(fd, TCSADRAIN, &raw) == 0;
  }
  ~RawMode() {
    if (rawFd < 0) return;
    ::tcsetattr(fd_, TCSADRAIN, &savedTerminal);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
      ::sigaction(kEndingSignals[i], &previous_[i], nullptr);
    rawFd = -1;
  }
  RawMode(const RawMode&) = delete;
  RawMode& operator=(const RawMode&) = delete;

  // The keys that send signals in cooked mode do the same here, with the terminal put back first.
  void Signal(int signal) {
    ::tcsetattr(fd_, TCSADRAIN, &savedTerminal);
    ::raise(signal);  // returns after a stop, or for a signal the process ignores
    ::tcsetattr(fd_, TCSADRAIN, &raw_);
  }
  bool Active() const { return active_; }

 private:
  int fd_;
  bool active_ = false;
  struct termios raw_ {};
  struct sigaction previous_[std::size(kEndingSignals)]{};
};

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Terminal columns a text takes: one per character (UTF-8 continuation bytes take none).
std::size_t Width(std::string_view text) {
  std::size_t width = 0;
  for (char c : text)
    if (!IsContinuation(c)) ++width;
  return width;
}

constexpr unsigned char Ctrl(char c) {
  return static_cast<unsigned char>(c & 0x1f);
}

}  // namespace

LineEditor::LineEditor(int inFd, int outFd) : in_(inFd), out_(outFd) {}

std::optional<std::string> LineEditor::ReadLine(std::string_view prompt, const Completer& completer,
                                                std::size_t maxLength) {
  RawMode raw(in_);
  prompt_ = prompt;
  line_.clear();
  draft_.clear();
  cursor_ = 0;
  cursorRow_ = 0;
  recalled_ = history_.size();
  Refresh();
  for (;;) {
    unsigned char c = 0;
    const ssize_t got = ::read(in_, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return std::nullopt;  // the terminal is gone
    if (c == Ctrl('C') || c == Ctrl('\\') || c == Ctrl('Z')) {
      cursor_ = line_.size();
      Refresh();
      Write("\n");
      raw.Signal(c == Ctrl('C') ? SIGINT : c == Ctrl('Z') ? SIGTSTP : SIGQUIT);
      cursorRow_ = 0;
      Refresh();
      continue;
    }
    const Step step = Key(c, completer, maxLength);
    if (step == Step::Ended) return std::nullopt;
    if (step == Step::Done) break;
  }
  if (!line_.empty() && (history_.empty() || history_.back() != line_)) history_.push_back(line_);
  return line_;
}

LineEditor::Step LineEditor::Key(unsigned char c, const Completer& completer,
                                 std::size_t maxLength) {
  switch (c) {
    case '\r':
    case '\n':
      cursor_ = line_.size();
      Refresh();
      Write("\n");
      return Step::Done;
    case '\0':  // Ctrl-D typed ahead while the terminal was cooked, as its line discipline keeps it
      if (line_.empty()) return Step::Ended;
      return Step::Going;
    case Ctrl('D'):
      if (line_.empty()) return Step::Ended;
      DeleteForward();
      break;
    case 0x7f:
    case Ctrl('H'):
      if (cursor_ > 0) {
        const std::size_t end = cursor_;
        MoveLeft();
        line_.erase(cursor_, end - cursor_);
      }
      break;
    case '\t':
      Complete(completer);
      break;
    case Ctrl('A'):
      cursor_ = 0;
      break;
    case Ctrl('E'):
      cursor_ = line_.size();
      break;
    case Ctrl('B'):
      MoveLeft();
      break;
    case Ctrl('F'):
      MoveRight();
      break;
    case Ctrl('P'):
      Recall(-1);
      break;
    case Ctrl('N'):
      Recall(1);
      break;
    case Ctrl('U'):
      line_.erase(0, cursor_);
      cursor_ = 0;
      break;
    case Ctrl('K'):
      line_.erase(cursor_);
      break;
    case Ctrl('W'): {
      std::size_t start = cursor_;
      while (start > 0 && line_[start - 1] == ' ') --start;
      while (start > 0 && line_[start - 1] != ' ') --start;
      line_.erase(start, cursor_ - start);
      cursor_ = start;
      break;
    }
    case Ctrl('L'):
      Write("\x1b[H\x1b[2J");
      cursorRow_ = 0;
      break;
    case 0x1b:
      Escape();
      break;
    default:
      if (c < 0x20) {
        Write("\a");
        return Step::Going;
      }
      Insert(std::string(1, static_cast<char>(c)), maxLength);
  }
  Refresh();
  return Step::Going;
}

// The arrow, Home, End and Delete keys, as VT100 and xterm send them.
void LineEditor::Escape() {
  char sequence[3] = {};
  if (::read(in_, &sequence[0], 1) != 1 || ::read(in_, &sequence[1], 1) != 1) return;
  if (sequence[0] != '[' && sequence[0] != 'O') return;
  char key = sequence[1];
  if (key >= '0' && key <= '9') {
    if (::read(in_, &sequence[2], 1) != 1 || sequence[2] != '~') return;
    key = key == '3'                   ? 'X'
          : (key == '1' || key == '7') ? 'H'
          : (key == '4' || key == '8') ? 'F'
                                       : 0;
  }
  switch (key) {
    case 'A':
      Recall(-1);
      break;
    case 'B':
      Recall(1);
      break;
    case 'C':
      MoveRight();
      break;
    case 'D':
      MoveLeft();
      break;
    case 'H':
      cursor_ = 0;
      break;
    case 'F':
      cursor_ = line_.size();
      break;
    case 'X':
      DeleteForward();
      break;
    default:
      break;
  }
}

void LineEditor::Complete(const Completer& completer) {
  if (!completer.complete) return Write("\a");
  const Completion completion = completer.complete(std::string_view(line_).substr(0, cursor_));
  if (completion.matches.empty()) return Write("\a");
  const std::string word = CompletedWord(completion, completer.quoting);
  const std::string typed = line_.substr(completion.start, cursor_ - completion.start);
  if (word != typed) {
    line_.replace(completion.start, cursor_ - completion.start, word);
    cursor_ = completion.start + word.size();
    return;
  }
  // Nothing to add: show what the word can become, below the line, and the line again.
  std::string list;
  for (const std::string& match : completion.matches) {
    const bool plain = !completer.quoting || match.find_first_of(" \t\"\\") == std::string::npos;
    list += (plain && !match.empty() ? match : QuoteText(match)) + "  ";
  }
  const std::size_t at = cursor_;
  cursor_ = line_.size();
  Refresh();
  Write("\n" + list + "\n");
  cursorRow_ = 0;
  cursor_ = at;
}

void LineEditor::Insert(std::string_view text, std::size_t maxLength) {
  if (line_.size() + text.size() > maxLength) return Write("\a");
  line_.insert(cursor_, text);
  cursor_ += text.size();
}

void LineEditor::DeleteForward() {
  const std::size_t at = cursor_;
  MoveRight();
  line_.erase(at, cursor_ - at);
  cursor_ = at;
}

void LineEditor::MoveLeft() {
  while (cursor_ > 0) {
    --cursor_;
    if (!IsContinuation(line_[cursor_])) break;
  }
}

void LineEditor::MoveRight() {
  if (cursor_ < line_.size()) ++cursor_;
  while (cursor_ < line_.size() && IsContinuation(line_[cursor_])) ++cursor_;
}

void LineEditor::Recall(int direction) {
  if (direction < 0 && recalled_ == 0) return;
  if (direction > 0 && recalled_ >= history_.size()) return;
  if (recalled_ == history_.size()) draft_ = line_;
  recalled_ = direction < 0 ? recalled_ - 1 : recalled_ + 1;
  line_ = recalled_ == history_.size() ? draft_ : history_[recalled_];
  cursor_ = line_.size();
}

// Draws the prompt and the line from the prompt's row down, wrapped at the terminal's width,
// and puts the cursor where it belongs.
void LineEditor::Refresh() {
  const std::size_t columns = static_cast<std::size_t>(Columns());
  const std::size_t total = Width(prompt_) + Width(line_);
  const std::size_t at = Width(prompt_) + Width(std::string_view(line_).substr(0, cursor_));
  std::string out;
  if (cursorRow_ > 0) out += "\x1b[" + std::to_string(cursorRow_) + "A";
  out += "\r\x1b[J" + prompt_ + line_;
  // A line that fills its last row leaves the cursor past the edge until something follows.
  if (total > 0 && total % columns == 0) out += "\n";
  const std::size_t endRow = total / columns;
  const std::size_t row = at / columns;
  if (endRow > row) out += "\x1b[" + std::to_string(endRow - row) + "A";
  out += "\r";
  if (at % columns > 0) out += "\x1b[" + std::to_string(at % columns) + "C";
  cursorRow_ = row;
  Write(out);
}

void LineEditor::Write(std::string_view text) const {
  while (!text.empty()) {
    const ssize_t written = ::write(out_, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

int LineEditor::Columns() const {
  struct winsize size {};
  if (::ioctl(out_, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

}  // namespace platform
