#include "platform/console/console_ui.h"

#include <unistd.h>

#include <iostream>

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

bool IsFieldOrEdit(ControlKind kind) {
  return kind == ControlKind::Field || kind == ControlKind::Edit;
}

int ItemIndex(const Control& control, std::string_view item) {
  for (std::size_t i = 0; i < control.items.size(); ++i)
    if (control.items[i] == item) return static_cast<int>(i);
  return -1;
}

const char kHint[] =
    "# events: click TEXT | type LABEL TEXT | pick LABEL ITEM | key Enter|Escape|F1 | close | "
    "move X Y | dump | snapshot FILE.png";

}  // namespace

ConsoleUi::ConsoleUi() : ConsoleUi(std::cin, std::cout, std::cerr, ::isatty(0) == 1) {}

ConsoleUi::ConsoleUi(std::istream& in, std::ostream& out, std::ostream& err, bool interactive)
    : in_(in), out_(out), err_(err), interactive_(interactive), renderSnapshot_(RenderDialogImage) {}

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

void ConsoleUi::MessageBox(const Dialog*, std::string_view text, std::string_view caption) {
  err_ << MessageLine(caption, text) << '\n' << std::flush;
}

int ConsoleUi::RunModal(const DialogTemplate& dialogTemplate, const Dialog* owner,
                        DialogHandler& handler) {
  Dialog dialog(dialogTemplate, owner, kConsoleFrame, ScreenRect());
  dialog.BuildFromTemplate();
  handler.OnInitDialog(dialog);
  if (interactive_ && !dialog.Ended()) Dump(dialog);
  while (!dialog.Ended() && !inputEnded_) {
    Prompt();
    std::optional<EventLine> line = ReadEventLine(in_);
    if (!line) {
      inputEnded_ = true;
      if (interactive_) out_ << '\n' << std::flush;  // the prompt's line, left open by Ctrl-D
      break;
    }
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
      ApplyLine(*words, dialog, handler);
      if (words->front() == "dump") continue;
    }
    if (interactive_ && !dialog.Ended()) Dump(dialog);
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
  if (!control->enabled) return Error("button " + QuoteText(words[1]) + " is disabled");
  handler.OnClicked(dialog, control->id);
}

void ConsoleUi::Type(const Words& words, Dialog& dialog, DialogHandler& handler) {
  if (!ExpectArguments(words, 2, "type LABEL TEXT")) return;
  Control* control = FindByName(dialog, words[1], IsFieldOrEdit, true);
  if (control == nullptr) return Error("no field " + QuoteText(words[1]) + " on this page");
  if (!control->enabled) return Error("field " + QuoteText(words[1]) + " is disabled");
  if (control->readOnly) return Error("field " + QuoteText(words[1]) + " is read-only");
  const int id = control->id;
  // Through the dialog when the id names this control, so that a view hears of the change.
  if (dialog.Find(id) == control)
    dialog.SetText(id, words[2]);
  else
    control->text = words[2];
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
  const int id = control->id;
  if (dialog.Find(id) == control) {
    dialog.Select(id, index);
  } else {
    control->selection = index;
    control->text = control->items[static_cast<std::size_t>(index)];
  }
  handler.OnFieldPick(dialog, id);
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
  out_ << DumpDialog(dialog) << std::flush;
}

void ConsoleUi::Prompt() {
  if (!interactive_) return;
  if (!hintShown_) {
    out_ << kHint << '\n';
    hintShown_ = true;
  }
  out_ << "> " << std::flush;
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
