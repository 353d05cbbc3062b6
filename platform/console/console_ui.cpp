#include "platform/console/console_ui.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "platform/console/console_assist.h"
#include "platform/console/console_dump.h"
#include "platform/console/console_script.h"
#include "platform/gui_loader.h"
#include "platform/platform.h"

namespace platform {

namespace {

using Words = std::vector<std::string>;

bool IsButtonKind(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::RadioButton ||
         kind == ControlKind::CheckBox;
}

// The controls a user can type into or pick from, addressed by their label. Of several with the
// same name the first enabled one is taken, so that a disabled twin does not hide it.
Control* FindByName(Dialog& dialog, std::string_view name, bool (*accepts)(ControlKind),
                    bool byLabel) {
  Control* disabled = nullptr;
  for (const auto& control : dialog.Controls()) {
    if (!accepts(control->kind)) continue;
    if ((byLabel ? control->label : control->text) != name) continue;
    if (control->enabled) return control.get();
    if (disabled == nullptr) disabled = control.get();
  }
  return disabled;
}

const char* KindName(const Control& control) {
  return control.kind == ControlKind::Edit ? "edit" : "field";
}

bool IsFieldOrEdit(ControlKind kind) {
  return kind == ControlKind::Field || kind == ControlKind::Edit;
}

int ItemIndex(const Control& control, std::string_view item) {
  for (std::size_t i = 0; i < control.items.size(); ++i)
    if (control.items[i] == item) return static_cast<int>(i);
  return -1;
}

const char kHint[] =
    "# \"help\" lists the events; a number alone acts on the control numbered so; Tab "
    "completes; Ctrl-D cancels";

bool IsNumber(std::string_view word) {
  if (word.empty() || word.size() > 9) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

// An answer typed at a terminal, without the blanks around it.
std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The items of a field numbered from 1, in columns across the line.
std::string NumberedItems(const Control& field) {
  std::vector<std::string> cells;
  std::size_t width = 0;
  for (std::size_t i = 0; i < field.items.size(); ++i) {
    cells.push_back(std::to_string(i + 1) + ") " + field.items[i]);
    width = std::max(width, cells.back().size());
  }
  // Each cell is indented by two blanks and padded to the widest: 80 columns hold this many.
  const std::size_t perLine = std::max<std::size_t>(1, 80 / (width + 4));
  std::string text;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const bool last = (i + 1) % perLine == 0 || i + 1 == cells.size();
    std::string cell = "  " + cells[i];
    if (!last) cell.resize(width + 4, ' ');
    text += cell;
    if (last) text += '\n';
  }
  return text;
}

}  // namespace

ConsoleUi::ConsoleUi() : ConsoleUi(std::cin, std::cout, std::cerr, ::isatty(0) == 1) {
  if (interactive_ && ::isatty(1) == 1) editor_ = std::make_unique<LineEditor>(0, 1);
}

ConsoleUi::ConsoleUi(std::istream& in, std::ostream& out, std::ostream& err, bool interactive)
    : in_(in),
      out_(out),
      err_(err),
      interactive_(interactive),
      renderSnapshot_(RenderDialogImage) {}

ConsoleUi::~ConsoleUi() = default;

std::string MessageLine(std::string_view caption, std::string_view text) {
  std::string line(caption);
  line += ": ";
  for (char c : text) {
    switch (c) {
      case '\n':
        line += "\\n";
        break;
      case '\t':
        line += "\\t";
        break;
      case '\\':
        line += "\\\\";
        break;
      default:
        line += c;
    }
  }
  return line;
}

std::string ReadableMessage(std::string_view caption, std::string_view text) {
  std::string message(caption);
  message += "\n  ";
  std::size_t column = 0;
  for (char c : text) {
    if (c == '\n') {
      message += "\n  ";
      column = 0;
    } else if (c == '\t') {
      do {
        message += ' ';
      } while (++column % 8 != 0);
    } else {
      message += c;
      ++column;
    }
  }
  message += '\n';
  return message;
}

void ConsoleUi::MessageBox(const Dialog*, std::string_view text, std::string_view caption) {
  out_ << std::flush;
  if (interactive_)
    err_ << ReadableMessage(caption, text) << std::flush;
  else
    err_ << MessageLine(caption, text) << '\n' << std::flush;
}

int ConsoleUi::RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
                        DialogHandler& handler) {
  Dialog dialog(dialogTemplate, owner, kConsoleFrame, ScreenRect());
  dialog.BuildFromTemplate();
  handler.OnInitDialog(dialog);
  if (interactive_ && !dialog.Ended()) ShowView(dialog);
  const LineEditor::Completer completer{
      [&dialog](std::string_view before) { return CompleteEvent(before, dialog); }, true};
  while (!dialog.Ended() && !inputEnded_) {
    std::optional<EventLine> line = ReadLine("> ", completer);
    if (!line) break;
    if (line->truncated) {
      Error("line longer than " + std::to_string(kMaxEventLine) + " bytes ignored");
      continue;
    }
    if (IsSkippedLine(line->text)) continue;
    std::string splitError;
    std::optional<Words> words = SplitEventWords(line->text, &splitError);
    if (!words) {
      Error(splitError);
    } else if (!words->empty()) {
      if (interactive_ && words->size() == 1 && IsNumber(words->front()))
        ActOnNumber(words->front(), dialog, handler);
      else
        ApplyLine(*words, dialog, handler);
      if (words->front() == "dump") continue;
    }
    if (interactive_ && !dialog.Ended()) ShowView(dialog);
  }
  // The end of the input closes every open dialog, innermost first, as the close box would;
  // a handler that ignores it must not leave the run waiting for input that never comes.
  if (!dialog.Ended()) handler.OnCancelCommand(dialog);
  if (!dialog.Ended()) dialog.End(kResultCancel);
  return dialog.Result();
}

void ConsoleUi::ApplyLine(const Words& words, Dialog& dialog, DialogHandler& handler) {
  const std::string& event = words.front();
  if (event == "click") {
    Click(words, dialog, handler);
  } else if (event == "type") {
    Type(words, dialog, handler);
  } else if (event == "pick") {
    Pick(words, dialog, handler);
  } else if (event == "key") {
    Key(words, dialog, handler);
  } else if (event == "close") {
    if (ExpectArguments(words, 0, "close")) handler.OnCancelCommand(dialog);
  } else if (event == "move") {
    Move(words, dialog);
  } else if (event == "dump") {
    if (ExpectArguments(words, 0, "dump")) Dump(dialog);
  } else if (event == "snapshot") {
    Snapshot(words, dialog);
  } else if (interactive_ && event == "help") {
    if (ExpectArguments(words, 0, "help")) out_ << EventHelp(dialog) << std::flush;
  } else if (interactive_) {
    const std::optional<std::string> nearest = NearestEvent(event);
    Error("unknown event " + QuoteText(event) +
          (nearest ? "; did you mean \"" + *nearest + "\"?" : "; \"help\" lists the events"));
  } else {
    Error("unknown event " + QuoteText(event));
  }
}

bool ConsoleUi::ExpectArguments(const Words& words, std::size_t count, std::string_view usage) {
  if (words.size() == count + 1) return true;
  Error("usage: " + std::string(usage));
  return false;
}

void ConsoleUi::Click(const Words& words, Dialog& dialog, DialogHandler& handler) {
  if (!ExpectArguments(words, 1, "click TEXT")) return;
  const Control* control = FindByName(dialog, words[1], IsButtonKind, false);
  if (control == nullptr) return Error("no button " + QuoteText(words[1]) + " on this page");
  ClickControl(*control, dialog, handler);
}

void ConsoleUi::ClickControl(const Control& control, Dialog& dialog, DialogHandler& handler) {
  if (!control.enabled) return Error("button " + QuoteText(control.text) + " is disabled");
  handler.OnClicked(dialog, control.id);
}

void ConsoleUi::Type(const Words& words, Dialog& dialog, DialogHandler& handler) {
  if (!ExpectArguments(words, 2, "type LABEL TEXT")) return;
  Control* control = FindByName(dialog, words[1], IsFieldOrEdit, true);
  if (control == nullptr) return Error("no field " + QuoteText(words[1]) + " on this page");
  if (!control->enabled) return Error("field " + QuoteText(words[1]) + " is disabled");
  if (control->readOnly) return Error("field " + QuoteText(words[1]) + " is read-only");
  TypeInto(*control, words[2], dialog, handler);
}

void ConsoleUi::TypeInto(Control& control, const std::string& text, Dialog& dialog,
                         DialogHandler& handler) {
  const int id = control.id;
  // Through the dialog when the id names this control, so that a view hears of the change.
  if (dialog.Find(id) == &control)
    dialog.SetText(id, text);
  else
    control.text = text;
  handler.OnFieldLeave(dialog, id);
}

void ConsoleUi::Pick(const Words& words, Dialog& dialog, DialogHandler& handler) {
  if (!ExpectArguments(words, 2, "pick LABEL ITEM")) return;
  Control* control = FindByName(
      dialog, words[1], [](ControlKind kind) { return kind == ControlKind::Field; }, true);
  if (control == nullptr) return Error("no field " + QuoteText(words[1]) + " on this page");
  if (!control->enabled) return Error("field " + QuoteText(words[1]) + " is disabled");
  if (control->readOnly) return Error("field " + QuoteText(words[1]) + " is read-only");
  const int index = ItemIndex(*control, words[2]);
  if (index < 0)
    return Error("no item " + QuoteText(words[2]) + " in the list of " + QuoteText(words[1]));
  PickItem(*control, index, dialog, handler);
}

void ConsoleUi::PickItem(Control& control, int index, Dialog& dialog, DialogHandler& handler) {
  const int id = control.id;
  if (dialog.Find(id) == &control) {
    dialog.Select(id, index);
  } else {
    control.selection = index;
    control.text = control.items[static_cast<std::size_t>(index)];
  }
  handler.OnFieldPick(dialog, id);
}

void ConsoleUi::ActOnNumber(const std::string& word, Dialog& dialog, DialogHandler& handler) {
  const std::vector<Control*> numbered = NumberedControls(dialog);
  const std::size_t number = std::stoul(word);
  if (number < 1 || number > numbered.size())
    return Error("no control [" + word + "] on this page (the numbers run from 1 to " +
                 std::to_string(numbered.size()) + ")");
  Control& control = *numbered[number - 1];
  if (IsButtonKind(control.kind)) {
    Echo({"click", control.text});
    return ClickControl(control, dialog, handler);
  }
  if (!control.enabled) return Error("field " + QuoteText(control.label) + " is disabled");
  AskValue(control, dialog, handler);
}

// A field's value, asked for: an item's text picks that item, else an item's number picks it,
// else the answer is typed in; an empty answer changes nothing.
void ConsoleUi::AskValue(Control& control, Dialog& dialog, DialogHandler& handler) {
  out_ << KindName(control) << ' ' << QuoteText(control.label) << " is " << QuoteText(control.text)
       << (control.items.empty() ? "; its new value" : "; an item's number, or any value")
       << " (an empty line changes nothing):\n"
       << NumberedItems(control);
  const LineEditor::Completer completer{
      [&control](std::string_view before) { return CompleteValue(before, control); }, false};
  const std::optional<EventLine> line = ReadLine("value> ", completer);
  if (!line) return;
  const std::string answer = Trimmed(line->text);
  if (answer.empty()) return;
  int index = ItemIndex(control, answer);
  if (index < 0 && IsNumber(answer) && std::stoul(answer) >= 1 &&
      std::stoul(answer) <= control.items.size())
    index = static_cast<int>(std::stoul(answer)) - 1;
  if (index >= 0) {
    Echo({"pick", control.label, control.items[static_cast<std::size_t>(index)]});
    return PickItem(control, index, dialog, handler);
  }
  Echo({"type", control.label, answer});
  TypeInto(control, answer, dialog, handler);
}

void ConsoleUi::Echo(const std::vector<std::string>& event) {
  out_ << '=';
  for (std::size_t i = 0; i < event.size(); ++i) {
    const std::string& word = event[i];
    const bool plain =
        i == 0 || (!word.empty() && word.find_first_of(" \t\"\\#") == std::string::npos);
    out_ << ' ' << (plain ? word : QuoteText(word));
  }
  out_ << '\n' << std::flush;
}

void ConsoleUi::Key(const Words& words, Dialog& dialog, DialogHandler& handler) {
  if (!ExpectArguments(words, 1, "key Enter|Escape|F1")) return;
  const std::string& key = words[1];
  if (key == "Enter")
    handler.OnOkCommand(dialog);
  else if (key == "Escape")
    handler.OnCancelCommand(dialog);
  else if (key == "F1")
    handler.OnHelpCommand(dialog);
  else
    Error("unknown key " + QuoteText(key) + " (Enter, Escape or F1)");
}

void ConsoleUi::Move(const Words& words, Dialog& dialog) {
  if (!ExpectArguments(words, 2, "move X Y")) return;
  const std::optional<int> x = ParseCoordinate(words[1]);
  const std::optional<int> y = ParseCoordinate(words[2]);
  if (!x) return Error("bad number " + QuoteText(words[1]));
  if (!y) return Error("bad number " + QuoteText(words[2]));
  const Rect outer = dialog.OuterRect();
  dialog.SetOuterRect({*x - outer.Width(), *y - outer.Height(), *x, *y});
}

void ConsoleUi::Snapshot(const Words& words, const Dialog& dialog) {
  if (!ExpectArguments(words, 1, "snapshot FILE.png")) return;
  if (words[1].empty()) return Error("snapshot needs a file name");
  std::string error;
  if (renderSnapshot_ && renderSnapshot_(dialog, words[1], &error)) return;
  std::string_view reason = error;
  if (reason.starts_with("error: ")) reason.remove_prefix(7);
  if (reason.empty()) return Error("snapshot failed: " + QuoteText(words[1]));
  Error(reason);
}

void ConsoleUi::Error(std::string_view message) {
  // One line whatever the reason says: a line break and the blanks around it become one blank.
  std::string line;
  bool pendingBreak = false;
  for (char c : message) {
    if (c == '\n' || c == '\r') {
      pendingBreak = true;
      while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
      continue;
    }
    if (pendingBreak) {
      if (c == ' ' || c == '\t') continue;
      if (!line.empty()) line += ' ';
      pendingBreak = false;
    }
    line += c;
  }
  err_ << "error: " << line << '\n' << std::flush;
}

void ConsoleUi::Dump(const Dialog& dialog) {
  out_ << DumpDialog(dialog, {interactive_, false}) << std::flush;
}

void ConsoleUi::ShowView(const Dialog& dialog) {
  std::string view = DumpDialog(dialog, {true, true});
  if (view == lastView_) return;
  out_ << view << std::flush;
  lastView_ = std::move(view);
}

std::optional<EventLine> ConsoleUi::ReadLine(std::string_view prompt,
                                             const LineEditor::Completer& completer) {
  if (interactive_ && !hintShown_) {
    out_ << kHint << '\n';
    hintShown_ = true;
  }
  std::optional<EventLine> line;
  if (editor_) {
    out_ << std::flush;
    if (std::optional<std::string> text = editor_->ReadLine(prompt, completer, kMaxEventLine))
      line = EventLine{std::move(*text), false};
  } else {
    if (interactive_) out_ << prompt << std::flush;
    line = ReadEventLine(in_);
  }
  if (!line) {
    inputEnded_ = true;
    // The prompt's line is left open by Ctrl-D.
    if (interactive_) out_ << "\nend of input: cancelled\n" << std::flush;
  }
  return line;
}

void ConsoleUi::ShowHelp(const std::string& helpFilePath, const std::string& key) {
  const std::optional<std::string> text = Files().ReadWhole(helpFilePath);
  if (!text) return Error("can't read the help file " + QuoteText(helpFilePath));
  out_ << "help " << QuoteText(key) << '\n' << *text;
  if (!text->empty() && text->back() != '\n') out_ << '\n';
  out_ << "end help\n" << std::flush;
}

Rect ConsoleUi::ScreenRect() const {
  return kConsoleScreen;
}

}  // namespace platform
