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

void AppendItems(std::string& line, const Control& control, bool shortList) {
  const std::vector<std::string>& items = control.items;
  line += " items";
  if (shortList && items.size() > kShortListItems) {
    line += ' ' + QuoteText(items[0]) + ' ' + QuoteText(items[1]) +
            " \xE2\x80\xA6 " /* an ellipsis, in UTF-8 */ + QuoteText(items.back()) + " (" +
            std::to_string(items.size()) + " items)";
    return;
  }
  for (const std::string& item : items) {
    line += ' ';
    line += QuoteText(item);
  }
}

bool Numbered(const Control& control) {
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
      return true;
    case ControlKind::Field:
    case ControlKind::Edit:
      return !control.readOnly;
    default:
      return false;
  }
}

}  // namespace

std::string DumpControl(const Control& control, bool shortList) {
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
    AppendItems(line, control, shortList);
  return line;
}

std::vector<Control*> NumberedControls(const Dialog& dialog) {
  std::vector<Control*> numbered;
  for (const auto& control : dialog.Controls())
    if (Numbered(*control)) numbered.push_back(control.get());
  return numbered;
}

std::string DumpDialog(const Dialog& dialog, DumpStyle style) {
  const Rect outer = dialog.OuterRect();
  std::string text = "page " + QuoteText(dialog.Caption()) + '\n';
  text += "rect " + std::to_string(outer.left) + ' ' + std::to_string(outer.top) + ' ' +
          std::to_string(outer.right) + ' ' + std::to_string(outer.bottom) + '\n';
  const std::size_t tagWidth =
      style.numbered ? std::to_string(NumberedControls(dialog).size()).size() + 2 : 0;
  int number = 0;
  for (const auto& control : dialog.Controls()) {
    std::string line = DumpControl(*control, style.shortLists);
    if (line.empty()) continue;
    if (style.numbered) {
      std::string tag = Numbered(*control) ? "[" + std::to_string(++number) + "]" : "";
      tag.resize(tagWidth + 1, ' ');
      text += tag;
    }
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace platform
