// What the console backend offers a person at a terminal on top of the script grammar: the
// list of events with examples, a suggestion for a mistyped event, and Tab completion of event
// names and control texts. Scripts never see any of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"

namespace platform {

// The events, one a line with an example taken from the page where it can be (`help`).
std::string EventHelp(const Dialog& dialog);

// The event name a mistyped word most likely meant: the only event it begins, or the nearest
// by edits (a letter added, dropped, changed or two swapped), at most two edits away.
std::optional<std::string> NearestEvent(std::string_view word);

// The completions of the word that ends at the cursor: `start` is where that word begins in the
// line, `prefix` what it holds so far (unquoted), `matches` the whole words it can become.
struct Completion {
  std::size_t start = 0;
  std::string prefix;
  bool quoted = false;  // the word was begun with a double quote
  std::vector<std::string> matches;
};

// For an event line: event names first, then the texts of the page's controls that the event
// takes (buttons for click, field labels for type and pick, a field's items after its label,
// key names for key).
Completion CompleteEvent(std::string_view beforeCursor, const Dialog& dialog);
// For the answer to "value for field ...": the field's items; the answer is plain text.
Completion CompleteValue(std::string_view beforeCursor, const Control& field);

// What the word becomes: the matches' longest common beginning, quoted as the grammar needs
// (left open unless the match is the only one, which also gets a blank after it).
std::string CompletedWord(const Completion& completion, bool quoting);

}  // namespace platform
