#include "platform/console/console_dump.h"

#include "platform/console/console_script.h"

namespace platform {

namespace {

const char* KindWord(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
      return "button";
    case ControlKind::RadioButton:
      return "radio";
    case ControlKind::CheckBox:
      return "check";
    case ControlKind::GroupBox:
      return "group";
    case ControlKind::Label:
      return "label";
    case ControlKind::Field:
      return "field";
    case ControlKind::Edit:
      return "edit";
    case ControlKind::ListBox:
      return "list";
    case ControlKind::Picture:
    case ControlKind::BlackRect:
    case ControlKind::Panel:
      return nullptr;
  }
  return nullptr;
}

// Fields, edits and lists are addressed by their label, and their text has a place of its own
// on the line; every other control is known by its text.
bool NamedByLabel(ControlKind kind) {
  return kind == ControlKind::Field || kind == ControlKind::Edit || kind == ControlKind::ListBox;
}

void AppendItems(std::string& line, const Control& control) {
  line += " items";
  for (const std::string& item : control.items) {
    line += ' ';
    line += QuoteText(item);
  }
}

}  // namespace

std::string DumpControl(const Control& control) {
  const char* kind = KindWord(control.kind);
  if (kind == nullptr) return {};
  std::string line = kind;
  line += ' ';
  line += QuoteText(NamedByLabel(control.kind) ? control.label : control.text);
  line += control.enabled ? " enabled" : " disabled";
  const bool markable =
      control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox;
  if (markable && control.marked) line += " marked";
  if (control.kind == ControlKind::PushButton && control.defaultLook) line += " default";
  const bool editable = control.kind == ControlKind::Field || control.kind == ControlKind::Edit;
  if (editable && control.readOnly) line += " readonly";
  if (editable) {
    line += " text ";
    line += QuoteText(control.text);
  }
  if (control.kind == ControlKind::Field || control.kind == ControlKind::ListBox)
    AppendItems(line, control);
  return line;
}

std::string DumpDialog(const Dialog& dialog) {
  const Rect outer = dialog.OuterRect();
  std::string text = "page " + QuoteText(dialog.Caption()) + '\n';
  text += "rect " + std::to_string(outer.left) + ' ' + std::to_string(outer.top) + ' ' +
          std::to_string(outer.right) + ' ' + std::to_string(outer.bottom) + '\n';
  for (const auto& control : dialog.Controls()) {
    std::string line = DumpControl(*control);
    if (line.empty()) continue;
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace platform
