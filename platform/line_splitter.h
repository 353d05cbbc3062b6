// The lines of a text, one at a time.
#pragma once

#include <optional>
#include <string_view>

namespace platform {

class LineSplitter {
 public:
  explicit LineSplitter(std::string_view text) : rest_(text) {}

  // The next line without its line feed (a carriage return before it stays: each reader has
  // its own rule for it), or nullopt when the text is used up. A last line without a line feed
  // is a line; the empty text has none, and a final line feed starts no empty line.
  std::optional<std::string_view> Next();

 private:
  std::string_view rest_;
};

}  // namespace platform
