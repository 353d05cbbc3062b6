#include "hdl/vector_file.h"

#include <charconv>
#include <optional>

#include "hdl/refusal.h"
#include "platform/text_format.h"

namespace hdl {

namespace {

constexpr long kMaxTime = 1000000000000;  // 10^12
constexpr long kMaxIntervals = 100000000;

struct Token {
  std::string_view text;
  int line = 0;
};

// Words, with ";", ">" and "=" as tokens of their own; comments dropped.
std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  int line = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\n') ++line;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
    } else if (c == '%') {
      const std::size_t close = text.find('%', i + 1);
      const std::size_t end = close == std::string_view::npos ? text.size() : close + 1;
      for (std::size_t j = i; j < end; ++j) line += text[j] == '\n';
      i = end;
    } else if (c == ';' || c == '>' || c == '=') {
      tokens.push_back({text.substr(i, 1), line});
      ++i;
    } else {
      std::size_t end = i;
      while (end < text.size() &&
             std::string_view(" \t\r\n;>=%").find(text[end]) == std::string_view::npos)
        ++end;
      tokens.push_back({text.substr(i, end - i), line});
      i = end;
    }
  }
  return tokens;
}

class VectorReader {
 public:
  VectorReader(std::string_view text, const std::string& fileName)
      : tokens_(Tokenize(text)), fileName_(fileName) {}

  VectorFile Read() {
    VectorPattern pending;
    while (position_ < tokens_.size()) {
      const std::string_view word = Next().text;
      if (word == "START") {
        file_.start = NumberThenEnd(10);
      } else if (word == "STOP") {
        file_.stop = NumberThenEnd(10);
      } else if (word == "INTERVAL") {
        file_.interval = NumberThenEnd(10);
      } else if (word == "RADIX") {
        radix_ = Radix(Next().text);
        End();
      } else if (word == "INPUTS") {
        Flush(pending);
        pending.inputs = Signals();
      } else if (word == "OUTPUTS") {
        std::vector<VectorSignal> outputs = Signals();
        pending.outputs.insert(pending.outputs.end(), outputs.begin(), outputs.end());
      } else if (word == "PATTERN") {
        if (pending.inputs.empty()) Refuse("a PATTERN without INPUTS");
        ReadPattern(pending);
        file_.patterns.push_back(std::move(pending));
        pending = VectorPattern();
      } else {
        Refuse("unknown statement \"" + std::string(word) + "\"");
      }
    }
    Flush(pending);
    if (file_.interval <= 0 || file_.stop <= file_.start)
      Refuse("no INTERVAL or no STOP after START");
    // Far beyond any file the wizard writes, and small enough that no time + 1 overflows and
    // walking the clock's edges stays quick.
    if ((file_.stop - file_.start) / file_.interval > kMaxIntervals)
      Refuse("STOP lies more than 100,000,000 intervals after START");
    return file_;
  }

 private:
  [[noreturn]] void Refuse(const std::string& why) const {
    const int line =
        tokens_.empty() ? 1 : tokens_[std::min(position_, tokens_.size()) - (position_ > 0)].line;
    throw Refusal(platform::Format("%s line %d: %s", fileName_.c_str(), line, why.c_str()));
  }

  const Token& Next() {
    if (position_ >= tokens_.size()) Refuse("the file ends inside a statement");
    return tokens_[position_++];
  }
  bool NextIs(std::string_view text) const {
    return position_ < tokens_.size() && tokens_[position_].text == text;
  }
  void End() {
    if (Next().text != ";") Refuse("\";\" expected");
  }

  long Number(int radix) {
    const std::string_view text = Next().text;
    long value = 0;
    const auto [stop, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, radix);
    if (text.empty() || error != std::errc() || stop != text.data() + text.size() || value < 0 ||
        value > kMaxTime)
      Refuse("\"" + std::string(text) + "\" is not a number from 0 to 10^12");
    return value;
  }
  long NumberThenEnd(int radix) {
    const long value = Number(radix);
    End();
    return value;
  }

  int Radix(std::string_view name) {
    if (name == "DEC") return 10;
    if (name == "HEX") return 16;
    if (name == "OCT") return 8;
    if (name == "BIN") return 2;
    Refuse("unknown RADIX \"" + std::string(name) + "\"");
  }

  // name or name[hi..lo], up to the ";".
  std::vector<VectorSignal> Signals() {
    std::vector<VectorSignal> signals;
    while (!NextIs(";")) {
      const std::string_view text = Next().text;
      VectorSignal signal;
      const std::size_t open = text.find('[');
      signal.name = std::string(text.substr(0, open));
      if (open != std::string_view::npos) {
        int msb = -1, lsb = -1;
        const std::string_view range = text.substr(open);
        const std::size_t dots = range.find("..");
        const auto parse = [](std::string_view digits, int& value) {
          const auto [p, e] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
          return e == std::errc() && p == digits.data() + digits.size();
        };
        if (dots == std::string_view::npos || range.back() != ']' ||
            !parse(range.substr(1, dots - 1), msb) ||
            !parse(range.substr(dots + 2, range.size() - dots - 3), lsb) || msb < lsb || lsb < 0)
          Refuse("\"" + std::string(text) + "\" is not a signal or a bus name[hi..lo]");
        signal.msb = msb;
        signal.lsb = lsb;
        signal.bus = true;
      }
      if (signal.name.empty()) Refuse("a signal without a name");
      signals.push_back(signal);
    }
    End();
    return signals;
  }

  void ReadPattern(VectorPattern& pattern) {
    const bool timed = position_ + 1 < tokens_.size() && tokens_[position_ + 1].text == ">";
    if (!timed) {
      if (pattern.inputs.size() != 1 || !pattern.outputs.empty())
        Refuse("a repeating pattern drives exactly one input");
      while (!NextIs(";")) pattern.cycle.push_back(Number(radix_));
      End();
      if (pattern.cycle.empty()) Refuse("an empty pattern");
      return;
    }
    while (!NextIs(";")) {
      VectorEntry entry;
      entry.time = Number(10);
      if (Next().text != ">") Refuse("\">\" expected after the time");
      for (std::size_t i = 0; i < pattern.inputs.size(); ++i)
        entry.inputs.push_back(Number(radix_));
      if (NextIs("=")) {
        ++position_;
        for (std::size_t i = 0; i < pattern.outputs.size(); ++i)
          entry.outputs.push_back(Number(radix_));
      }
      if (!pattern.entries.empty() && entry.time < pattern.entries.back().time)
        Refuse("the times of a pattern go backwards");
      pattern.entries.push_back(std::move(entry));
    }
    End();
  }

  void Flush(VectorPattern& pending) {
    file_.outputsWithoutPattern.insert(file_.outputsWithoutPattern.end(), pending.outputs.begin(),
                                       pending.outputs.end());
    pending = VectorPattern();
  }

  std::vector<Token> tokens_;
  std::size_t position_ = 0;
  const std::string& fileName_;
  int radix_ = 10;
  VectorFile file_;
};

}  // namespace

VectorFile ReadVectorFile(std::string_view text, const std::string& fileName) {
  return VectorReader(text, fileName).Read();
}

}  // namespace hdl
