#include "platform/console/console_assist.h"

#include <algorithm>

#include "platform/console/console_script.h"

namespace platform {

namespace {

const char* const kEvents[] = {"click", "type", "pick", "key",     "close",
                               "move",  "dump", "help", "snapshot"};
const char* const kKeys[] = {"Enter", "Escape", "F1"};

bool IsButtonKind(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::RadioButton ||
         kind == ControlKind::CheckBox;
}

bool Typable(const Control& c) {
  return (c.kind == ControlKind::Field || c.kind == ControlKind::Edit) && !c.readOnly;
}

const Control* FirstWhere(const Dialog& dialog, bool (*accepts)(const Control&)) {
  for (const auto& control : dialog.Controls())
    if (control->enabled && accepts(*control)) return control.get();
  return nullptr;
}

// Edits of the optimal string alignment kind: insertions, deletions, changes and swaps of two
// neighbours.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

void AddMatch(std::vector<std::string>& matches, const std::string& word, std::string_view prefix) {
  if (!word.starts_with(prefix)) return;
  if (std::find(matches.begin(), matches.end(), word) == matches.end()) matches.push_back(word);
}

// The unfinished word at the end of the line and where it begins, by the grammar's quoting.
Completion LastWord(std::string_view line) {
  Completion last;
  bool inWord = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (!last.quoted && (c == ' ' || c == '\t')) {
      inWord = false;
      continue;
    }
    if (!inWord) {
      inWord = true;
      last.start = i;
      last.prefix.clear();
    }
    if (c == '"') {
      last.quoted = !last.quoted;
    } else if (last.quoted && c == '\\' && i + 1 < line.size() &&
               (line[i + 1] == '"' || line[i + 1] == '\\')) {
      last.prefix += line[++i];
    } else {
      last.prefix += c;
    }
  }
  if (!inWord) {
    last.start = line.size();
    last.prefix.clear();
    last.quoted = false;
  }
  return last;
}

const Control* FieldLabelled(const Dialog& dialog, std::string_view label) {
  for (const auto& control : dialog.Controls())
    if (control->kind == ControlKind::Field && control->label == label) return control.get();
  return nullptr;
}

}  // namespace

std::string EventHelp(const Dialog& dialog) {
  const Control* button = FirstWhere(dialog, [](const Control& c) { return IsButtonKind(c.kind); });
  const Control* field = FirstWhere(dialog, Typable);
  const Control* list = FirstWhere(
      dialog, [](const Control& c) { return c.kind == ControlKind::Field && !c.items.empty(); });
  const Rect outer = dialog.OuterRect();
  const std::string label = field ? QuoteText(field->label) : "\"Number of bits per symbol\"";
  const std::string rows[][2] = {
      {"click TEXT", "click " + (button ? QuoteText(button->text) : "\"Next >\"")},
      {"type LABEL TEXT", "type " + label + ' ' + (field ? QuoteText(field->text) : "6")},
      {"pick LABEL ITEM",
       "pick " +
           (list ? QuoteText(list->label) + ' ' + QuoteText(list->items.back()) : label + " 6")},
      {"key Enter|Escape|F1", "key F1"},
      {"close", "close"},
      {"move X Y", "move " + std::to_string(outer.right) + ' ' + std::to_string(outer.bottom)},
      {"dump", "dump"},
      {"snapshot FILE", "snapshot page.png   (.png, .jpg, .jpeg or .bmp)"},
      {"help", "help"},
      {"NUMBER", "3   (acts on the control numbered [3] above; a field asks for its value)"},
  };
  std::string text = "events (a word with blanks in double quotes; Tab completes):\n";
  for (const auto& row : rows) {
    std::string line = "  " + row[0];
    line.resize(24, ' ');
    text += line + row[1] + '\n';
  }
  text += "Ctrl-D ends the input, which cancels the wizard.\n";
  return text;
}

std::optional<std::string> NearestEvent(std::string_view word) {
  if (word.empty()) return std::nullopt;
  std::optional<std::string> begun;
  int begunCount = 0;
  std::optional<std::string> nearest;
  std::size_t best = 3;  // more than two edits away is no suggestion
  for (const char* event : kEvents) {
    const std::string_view name = event;
    if (name.starts_with(word)) {
      begun = event;
      ++begunCount;
    }
    const std::size_t distance = EditDistance(word, name);
    if (distance < best && distance < word.size()) {
      best = distance;
      nearest = event;
    }
  }
  if (begunCount == 1) return begun;
  return nearest;
}

Completion CompleteEvent(std::string_view beforeCursor, const Dialog& dialog) {
  Completion completion = LastWord(beforeCursor);
  const std::optional<std::vector<std::string>> words =
      SplitEventWords(beforeCursor.substr(0, completion.start), nullptr);
  if (!words) return completion;
  const std::string& prefix = completion.prefix;
  std::vector<std::string>& matches = completion.matches;
  if (words->empty()) {
    for (const char* event : kEvents) AddMatch(matches, event, prefix);
    return completion;
  }
  const std::string& event = words->front();
  if (words->size() == 1 && event == "key") {
    for (const char* key : kKeys) AddMatch(matches, key, prefix);
  } else if (words->size() == 1 && (event == "click" || event == "type" || event == "pick")) {
    for (const auto& control : dialog.Controls()) {
      if (event == "click" && IsButtonKind(control->kind)) AddMatch(matches, control->text, prefix);
      if (event == "type" && Typable(*control)) AddMatch(matches, control->label, prefix);
      if (event == "pick" && control->kind == ControlKind::Field)
        AddMatch(matches, control->label, prefix);
    }
  } else if (words->size() == 2 && (event == "type" || event == "pick")) {
    if (const Control* field = FieldLabelled(dialog, (*words)[1]))
      for (const std::string& item : field->items) AddMatch(matches, item, prefix);
  }
  return completion;
}

Completion CompleteValue(std::string_view beforeCursor, const Control& field) {
  Completion completion;
  completion.prefix = std::string(beforeCursor);
  for (const std::string& item : field.items) AddMatch(completion.matches, item, beforeCursor);
  return completion;
}

std::string CompletedWord(const Completion& completion, bool quoting) {
  const std::vector<std::string>& matches = completion.matches;
  if (matches.empty()) return completion.prefix;
  std::string common = matches.front();
  for (const std::string& match : matches) {
    std::size_t n = 0;
    while (n < common.size() && n < match.size() && common[n] == match[n]) ++n;
    common.resize(n);
  }
  const bool only = matches.size() == 1;
  if (!quoting) return common;
  const bool needsQuotes = completion.quoted || (only && common.empty()) ||
                           common.find_first_of(" \t\"\\") != std::string::npos;
  if (!needsQuotes) return only ? common + ' ' : common;
  std::string word = QuoteText(common);
  if (!only) word.pop_back();  // still open: more may follow
  return only ? word + ' ' : word;
}

}  // namespace platform
