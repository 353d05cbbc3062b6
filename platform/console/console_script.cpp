#include "platform/console/console_script.h"

#include <charconv>
#include <cstdio>
#include <streambuf>

namespace platform {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
}  // namespace

std::optional<EventLine> ReadEventLine(std::istream& in) {
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr || !in.good()) return std::nullopt;
  using Traits = std::streambuf::traits_type;
  EventLine line;
  bool any = false;
  for (;;) {
    const Traits::int_type c = buffer->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      if (!any) return std::nullopt;
      break;
    }
    any = true;
    const char ch = Traits::to_char_type(c);
    if (ch == '\n') break;
    if (line.text.size() < kMaxEventLine)
      line.text += ch;
    else
      line.truncated = true;
  }
  if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  return line;
}

bool IsSkippedLine(std::string_view line) {
  for (char c : line) {
    if (IsBlank(c)) continue;
    return c == '#';
  }
  return true;
}

std::optional<std::vector<std::string>> SplitEventWords(std::string_view line, std::string* error) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (IsBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      ++i;
      continue;
    }
    inWord = true;
    if (c != '"') {
      word += c;
      ++i;
      continue;
    }
    // A quoted part.
    ++i;
    bool closed = false;
    while (i < line.size()) {
      const char q = line[i];
      if (q == '"') {
        closed = true;
        ++i;
        break;
      }
      if (q == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
        word += line[i + 1];
        i += 2;
        continue;
      }
      word += q;
      ++i;
    }
    if (!closed) {
      if (error) *error = "unterminated quote";
      return std::nullopt;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string QuoteText(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7f) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", byte);
          quoted += hex;
        } else {
          quoted += c;
        }
    }
  }
  quoted += '"';
  return quoted;
}

std::optional<int> ParseCoordinate(std::string_view word) {
  std::string_view digits = word;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (value > kMaxCoordinate) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace platform
