// Checks of what a finished run leaves in the design directory: the settings in the
// description, the memory tables and the vector file. The field arithmetic here is a log-table
// model of its own, so that a fault in the wizard's arithmetic cannot hide itself.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/text_lines.h"

namespace e2echeck {

// The nine settings as a description carries them.
struct Settings {
  int m = 4;
  int n = 5;
  int check = 4;
  int irrpol = 19;
  int genstart = 0;
  int Enc_Dec = 1;
  int Disc_Stream = 0;
  int Fast_Small = 0;
  int generate_vectorfile = 1;

  std::string ToString() const {
    std::ostringstream out;
    out << "{m " << m << ", n " << n << ", check " << check << ", irrpol " << irrpol
        << ", genstart " << genstart << ", Enc_Dec " << Enc_Dec << ", Disc_Stream " << Disc_Stream
        << ", Fast_Small " << Fast_Small << ", generate_vectorfile " << generate_vectorfile << "}";
    return out.str();
  }
};

// A new design keeps these until a page changes them; a description that lacks a key gets the
// value of `Settings` above instead.
inline constexpr Settings kNewDesign{4, 5, 4, 19, 0, 1, 1, 1, 1};

// Equal in everything a description records: an encoder's description has no decoder choices.
inline bool SameRecorded(const Settings& a, const Settings& b) {
  const bool decoderChoices =
      a.Enc_Dec != 0 || (a.Disc_Stream == b.Disc_Stream && a.Fast_Small == b.Fast_Small);
  return a.m == b.m && a.n == b.n && a.check == b.check && a.irrpol == b.irrpol &&
         a.genstart == b.genstart && a.Enc_Dec == b.Enc_Dec &&
         a.generate_vectorfile == b.generate_vectorfile && decoderChoices;
}

// The primitive polynomials of degree m offered for each m, first one the default.
inline const std::vector<int>& PolynomialsOf(int m) {
  static const std::map<int, std::vector<int>> kRows = {
      {4, {19, 25}},
      {5, {37, 41, 47, 55, 59, 61}},
      {6, {67, 91, 97, 103, 109, 115}},
      {7,
       {131, 137, 143, 145, 157, 167, 171, 185, 191, 193, 203, 211, 213, 229, 239, 241, 247, 253}},
      {8, {285, 299, 301, 333, 351, 355, 357, 361, 369, 391, 397, 425, 451, 463, 487, 501}},
  };
  static const std::vector<int> kNone;
  const auto it = kRows.find(m);
  return it == kRows.end() ? kNone : it->second;
}

inline bool IsListedPolynomial(int m, int p) {
  const auto& row = PolynomialsOf(m);
  return std::find(row.begin(), row.end(), p) != row.end();
}

// Empty when every setting is within the ranges the pages keep, else the first rule broken.
inline std::string RangeProblem(const Settings& s) {
  if (s.m < 4 || s.m > 8) return "m outside 4..8";
  if (!IsListedPolynomial(s.m, s.irrpol)) return "irrpol not a listed polynomial of m";
  const int top = (1 << s.m) - 1;
  if (s.n < std::max(5, s.check + 1) || s.n > top) return "n outside max(5, r + 1)..2^m - 1";
  if (s.check < 4 || s.check > std::min(50, s.n - 1)) return "r outside 4..min(50, n - 1)";
  if (s.genstart < 0 || s.genstart > top - s.check) return "genstart outside 0..2^m - 1 - r";
  for (int flag : {s.Enc_Dec, s.Disc_Stream, s.Fast_Small, s.generate_vectorfile})
    if (flag != 0 && flag != 1) return "a choice other than 0 or 1";
  return {};
}

// What reading a hand-edited description must make of its values: each brought into range in
// the order the parameter page refills its lists after a change of m.
inline Settings Mended(Settings s) {
  s.m = std::clamp(s.m, 4, 8);
  const int top = (1 << s.m) - 1;
  if (!IsListedPolynomial(s.m, s.irrpol)) s.irrpol = PolynomialsOf(s.m).front();
  s.check = std::clamp(s.check, 4, std::min(50, top - 1));
  s.n = std::clamp(s.n, std::max(5, s.check + 1), top);
  s.check = std::clamp(s.check, 4, std::min(50, s.n - 1));
  s.genstart = std::clamp(s.genstart, 0, top - s.check);
  if (s.Enc_Dec != 0 && s.Enc_Dec != 1) s.Enc_Dec = 1;
  if (s.Disc_Stream != 0 && s.Disc_Stream != 1) s.Disc_Stream = 0;
  if (s.Fast_Small != 0 && s.Fast_Small != 1) s.Fast_Small = 0;
  if (s.generate_vectorfile != 0 && s.generate_vectorfile != 1) s.generate_vectorfile = 1;
  return s;
}

// A text's leading decimal integer: blanks skipped, an optional sign, digits up to the first
// other character, 0 without digits; beyond 32 bits the nearest 32-bit value.
inline int LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' ||
                             text[i] == '\n' || text[i] == '\v' || text[i] == '\f'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = std::min<std::int64_t>(value * 10 + (text[i] - '0'), std::int64_t{1} << 40);
  if (negative) value = -value;
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// GF(2^m) built from its field polynomial with log and antilog tables.
class Field {
 public:
  Field(int m, int irrpol) : m_(m), size_((1 << m) - 1) {
    int x = 1;
    for (int i = 0; i < size_; ++i) {
      exp_[static_cast<std::size_t>(i)] = x;
      log_[static_cast<std::size_t>(x)] = i;
      x <<= 1;
      if (x & (1 << m)) x ^= irrpol;
    }
  }
  int Order() const { return size_; }
  // alpha^e for any e >= 0.
  int Power(long long e) const { return exp_[static_cast<std::size_t>(e % size_)]; }
  int Multiply(int a, int b) const {
    if (a == 0 || b == 0) return 0;
    return Power(log_[static_cast<std::size_t>(a)] + log_[static_cast<std::size_t>(b)]);
  }
  int Inverse(int a) const { return Power(size_ - log_[static_cast<std::size_t>(a)]); }
  // Sum of c[i] * x^i at x = alpha^e.
  int Evaluate(const std::vector<int>& lowFirst, long long e) const {
    int sum = 0;
    for (std::size_t i = 0; i < lowFirst.size(); ++i)
      sum ^= Multiply(lowFirst[i], Power(e * static_cast<long long>(i)));
    return sum;
  }
  int Bits() const { return m_; }

 private:
  int m_;
  int size_;
  std::array<int, 256> exp_{};
  std::array<int, 256> log_{};
};

using testsupport::SplitLines;

// The value lines of a written description: store keyword -> name -> value, first one wins.
struct ValueLines {
  std::map<std::string, std::map<std::string, std::string>> stores;
  std::string module;

  const std::string* Find(const std::string& store, const std::string& name) const {
    const auto s = stores.find(store);
    if (s == stores.end()) return nullptr;
    const auto v = s->second.find(name);
    return v == s->second.end() ? nullptr : &v->second;
  }
};

inline ValueLines ReadValueLines(const std::string& text) {
  ValueLines lines;
  for (const std::string& line : SplitLines(text)) {
    if (line.rfind("MODULE: ", 0) == 0) lines.module = line.substr(8);
    for (const char* keyword : {"PRIVATE: ", "CONSTANT: "}) {
      const std::string_view k(keyword);
      if (line.rfind(k, 0) != 0) continue;
      const std::size_t nameEnd = line.find(' ', k.size());
      const std::size_t open = line.find('"');
      if (nameEnd == std::string::npos || open == std::string::npos || line.back() != '"') continue;
      const std::string name = line.substr(k.size(), nameEnd - k.size());
      lines.stores[std::string(k.substr(0, k.size() - 2))].emplace(
          name, line.substr(open + 1, line.size() - open - 2));
    }
  }
  return lines;
}

// The settings a written description records, as the wizard reads them back.
inline Settings RecordedSettings(const ValueLines& lines) {
  Settings s;
  auto get = [&](const char* store, const char* name, int* into) {
    if (const std::string* v = lines.Find(store, name)) *into = LeadingNumber(*v);
  };
  get("PRIVATE", "Enc_Dec", &s.Enc_Dec);
  get("PRIVATE", "Disc_Stream", &s.Disc_Stream);
  get("PRIVATE", "Fast_Small", &s.Fast_Small);
  get("CONSTANT", "m", &s.m);
  get("CONSTANT", "n", &s.n);
  get("CONSTANT", "check", &s.check);
  get("CONSTANT", "irrpol", &s.irrpol);
  get("PRIVATE", "GENSTART_V", &s.genstart);
  get("PRIVATE", "generate_vectorfile", &s.generate_vectorfile);
  return s;
}

inline int BitLength(int v) {
  int bits = 0;
  for (; v > 0; v >>= 1) ++bits;
  return bits;
}

// The description's own consistency: module name, the constants that follow from the
// settings, and the generator and root constants against the field model. Expects settings in
// range.
inline std::string DescriptionProblem(const std::string& text, const ValueLines& lines,
                                      const Settings& s) {
  const Field field(s.m, s.irrpol);
  const std::string expectedModule =
      s.Enc_Dec == 1 ? "RS_Enc" : (s.Disc_Stream == 1 ? "rsdsca" : "rsstrb");
  if (lines.module != expectedModule) return "module \"" + lines.module + "\"";
  auto constant = [&](const std::string& name) -> std::optional<std::string> {
    const std::string* v = lines.Find("CONSTANT", name);
    return v ? std::optional<std::string>(*v) : std::nullopt;
  };
  if (constant("genstart") != std::to_string(s.genstart))
    return "constant genstart differs from GENSTART_V";
  const std::string bus =
      std::to_string(s.m) + " 1 INPUT NODEFVAL rsin[" + std::to_string(s.m) + "..1]";
  if (text.find("USED_PORT: rsin 0 0 " + bus + "\n") == std::string::npos)
    return "no port rsin of width m";
  if (s.Enc_Dec == 1) {
    // g(x) = gg0 x^r + gg1 x^(r-1) + ... + ggr, monic, with the r consecutive roots.
    std::vector<int> lowFirst(static_cast<std::size_t>(s.check) + 1);
    for (int i = 0; i <= 50; ++i) {
      const auto v = constant("gg" + std::to_string(i));
      if (!v) return "constant gg" + std::to_string(i) + " missing";
      const int c = LeadingNumber(*v);
      if (i > s.check) {
        if (c != 0) return "gg" + std::to_string(i) + " beyond r is not 0";
        continue;
      }
      if (c < 0 || c > field.Order()) return "gg" + std::to_string(i) + " not a field element";
      lowFirst[static_cast<std::size_t>(s.check - i)] = c;
    }
    if (lowFirst.back() != 1) return "gg0 is not 1";
    for (int j = 0; j < s.check; ++j)
      if (field.Evaluate(lowFirst, s.genstart + j) != 0)
        return "alpha^" + std::to_string(s.genstart + j) + " is no root of the gg polynomial";
    return {};
  }
  if (constant("speed") != std::string(s.Fast_Small == 1 ? "full" : "half")) return "speed text";
  const std::string field2 = std::to_string(s.m) + "_" + std::to_string(s.irrpol);
  if (constant("inv_file") != "inv_" + field2 + ".hex") return "inv_file name";
  if (constant("evnum_file") != "evnum_" + field2 + "_" + std::to_string(s.genstart) + ".hex")
    return "evnum_file name";
  if (constant("wide") != std::to_string(BitLength(s.check))) return "wide";
  for (int j = 1; j <= 50; ++j) {
    const int e = s.genstart + j - 1;
    const int expected = e <= field.Order() - 1 ? field.Power(e) : 0;
    if (constant("root" + std::to_string(j)) != std::to_string(expected))
      return "root" + std::to_string(j);
  }
  for (int k = 0; k <= 25; ++k) {
    const int expected = k <= field.Order() - 1 ? field.Inverse(field.Power(k)) : 0;
    if (constant("negroot" + std::to_string(k)) != std::to_string(expected))
      return "negroot" + std::to_string(k);
  }
  return {};
}

inline int HexByte(std::string_view text, std::size_t at) {
  auto digit = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;  // the wizard writes lower case only
  };
  if (at + 2 > text.size()) return -1;
  const int hi = digit(text[at]);
  const int lo = digit(text[at + 1]);
  return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

// One Intel HEX memory file: 2^m + 2 records with valid checksums, the start and end records
// around one data record per address in order, each holding the table's value.
enum class Table { Inverse, Evnum };
inline std::string HexProblem(const std::string& text, const Settings& s, Table table) {
  const Field field(s.m, s.irrpol);
  const std::vector<std::string> lines = SplitLines(text);
  const std::size_t words = std::size_t{1} << s.m;
  if (text.empty() || text.back() != '\n') return "no final line feed";
  if (lines.size() != words + 2) return std::to_string(lines.size()) + " lines";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string where = "line " + std::to_string(i + 1) + " \"" + line + "\": ";
    if (line.size() < 11 || line[0] != ':' || line.size() % 2 != 1) return where + "not a record";
    std::vector<int> bytes;
    for (std::size_t at = 1; at < line.size(); at += 2) {
      const int b = HexByte(line, at);
      if (b < 0) return where + "not lower-case hex";
      bytes.push_back(b);
    }
    int sum = 0;
    for (int b : bytes) sum += b;
    if (sum % 256 != 0) return where + "bad checksum";
    if (static_cast<std::size_t>(bytes[0]) + 5 != bytes.size()) return where + "bad byte count";
    const int type = bytes[3];
    if (i == 0) {
      if (line != ":020000020000fc") return where + "not the start record";
      continue;
    }
    if (i + 1 == lines.size()) {
      if (line != ":00000001ff") return where + "not the end record";
      continue;
    }
    const int address = bytes[1] * 256 + bytes[2];
    if (type != 0 || bytes[0] != 1 || address != static_cast<int>(i) - 1)
      return where + "not the data record of address " + std::to_string(i - 1);
    const int value = bytes[4];
    int expected = 0;
    if (address == 0) {
      expected = 0;
    } else if (table == Table::Inverse) {
      expected = field.Inverse(address);
    } else if (s.genstart == 0) {
      expected = address;
    } else {
      expected = 1;
      for (int e = 0; e < s.genstart; ++e) expected = field.Multiply(expected, address);
    }
    if (value != expected) return where + "value " + std::to_string(expected) + " expected";
  }
  return {};
}

// The entries "T> ..." of the pattern that follows the line `opening`, up to the one ending in
// ";" (included, without its ";").
inline std::optional<std::vector<std::string>> PatternAfter(const std::vector<std::string>& lines,
                                                            const std::string& opening) {
  const auto at = std::find(lines.begin(), lines.end(), opening);
  if (at == lines.end() || at + 1 == lines.end() || *(at + 1) != "PATTERN") return std::nullopt;
  std::vector<std::string> entries;
  for (auto it = at + 2; it != lines.end(); ++it) {
    if (*it == ";") return entries;
    if (!it->empty() && it->back() == ';') {
      entries.push_back(it->substr(0, it->size() - 1));
      return entries;
    }
    entries.push_back(*it);
  }
  return std::nullopt;
}

// "T> A" or "T> A = B": the numbers after the time, in order.
inline std::vector<long long> EntryValues(const std::string& entry, long long* time) {
  std::vector<long long> values;
  std::istringstream in(entry);
  std::string word;
  bool first = true;
  while (in >> word) {
    if (word == "=") continue;
    if (first) {
      if (word.back() != '>') return {};
      *time = std::stoll(word.substr(0, word.size() - 1));
      first = false;
      continue;
    }
    values.push_back(std::stoll(word));
  }
  return values;
}

// A codeword sent highest power first must have the zeros alpha^genstart .. alpha^(genstart+r-1).
inline std::string CodewordProblem(const Field& field, const Settings& s,
                                   const std::vector<int>& highFirst) {
  for (int v : highFirst)
    if (v < 0 || v > field.Order()) return "symbol " + std::to_string(v) + " outside the field";
  const std::vector<int> lowFirst(highFirst.rbegin(), highFirst.rend());
  for (int j = 0; j < s.check; ++j)
    if (field.Evaluate(lowFirst, s.genstart + j) != 0)
      return "codeword does not vanish at alpha^" + std::to_string(s.genstart + j);
  return {};
}

inline std::string VectorProblem(const std::string& text, const Settings& s) {
  const Field field(s.m, s.irrpol);
  const std::vector<std::string> lines = SplitLines(text);
  const std::vector<std::string> header = {
      "% n = " + std::to_string(s.n) + " (length of message) %",
      "% m = " + std::to_string(s.m) + " (field size (2^m)) %",
      "% r = " + std::to_string(s.check) + " (number of check symbols) %",
      "% irrpol = " + std::to_string(s.irrpol) + " (field polynomial) %",
      "% genstart = " + std::to_string(s.genstart) + " (first root of generator polynomial) %"};
  if (lines.size() < header.size() || !std::equal(header.begin(), header.end(), lines.begin()))
    return "header does not name the settings";
  const std::string width = std::to_string(s.m);
  const std::size_t n = static_cast<std::size_t>(s.n);
  const std::size_t k = n - static_cast<std::size_t>(s.check);
  try {
    if (s.Enc_Dec == 1) {
      const auto entries = PatternAfter(lines, "OUTPUTS rsout[" + width + "..1];");
      if (!entries) return "no rsin/rsout pattern";
      if (entries->size() != n + 3) return std::to_string(entries->size()) + " pattern entries";
      if ((*entries)[0] != "0> 0 = 0 ") return "first entry \"" + (*entries)[0] + "\"";
      std::vector<std::vector<long long>> values;
      for (std::size_t i = 0; i < entries->size(); ++i) {
        long long time = -1;
        values.push_back(EntryValues((*entries)[i], &time));
        if (values.back().size() != 2) return "entry \"" + (*entries)[i] + "\"";
        const long long expectedTime = i == 0 ? 0 : 100 * static_cast<long long>(i + 1);
        if (time != expectedTime) return "entry \"" + (*entries)[i] + "\" at the wrong time";
      }
      // The block repeats each message symbol one clock later, then sends the check symbols.
      std::vector<int> codeword;
      for (std::size_t i = 2; i < n + 2; ++i) codeword.push_back(static_cast<int>(values[i][1]));
      for (std::size_t i = 1; i <= k; ++i)
        if (values[i][0] != values[i + 1][1]) return "output does not repeat the message";
      if (values[n + 2][1] != 0) return "last output is not 0";
      return CodewordProblem(field, s, codeword);
    }
    const auto entries = PatternAfter(lines, "INPUTS rsin[" + width + "..1];");
    if (!entries) return "no rsin pattern";
    const std::size_t codewords = s.Disc_Stream == 1 ? 1 : 5;
    if (entries->size() != codewords * n + 2) {
      return std::to_string(entries->size()) + " rsin entries for " + std::to_string(codewords) +
             " codewords";
    }
    if ((*entries)[0] != "0> 0 ") return "first entry \"" + (*entries)[0] + "\"";
    for (std::size_t c = 0; c < codewords; ++c) {
      std::vector<int> codeword;
      for (std::size_t i = 0; i < n; ++i) {
        long long time = -1;
        const auto v = EntryValues((*entries)[1 + c * n + i], &time);
        if (v.size() != 1) return "entry \"" + (*entries)[1 + c * n + i] + "\"";
        codeword.push_back(static_cast<int>(v[0]));
      }
      const std::string problem = CodewordProblem(field, s, codeword);
      if (!problem.empty()) return "codeword " + std::to_string(c + 1) + ": " + problem;
    }
    const std::string outputs = "OUTPUTS outvalid rsout[" + width + "..1] numerr[" +
                                std::to_string(BitLength(s.check)) + "..1] decfail" +
                                (s.Disc_Stream == 1 ? ";" : " rdyin;");
    if (lines.back() != outputs) return "last line \"" + lines.back() + "\"";
  } catch (const std::exception& e) {
    return std::string("unreadable number in a pattern: ") + e.what();
  }
  return {};
}

}  // namespace e2echeck
