// Shared pieces of the end-to-end tests: a design in a fresh directory, a run of the real binary
// on a console script, and readers for what the run leaves behind (page dumps on standard
// output, message lines on standard error, the written description).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace e2e {

// One control line of a `dump`.
struct DumpControl {
  std::string kind;  // button, radio, check, group, label, field, edit, list
  std::string name;
  bool enabled = false;
  bool marked = false;
  bool isDefault = false;
  bool readOnly = false;
  std::string text;
  std::vector<std::string> items;
};

struct DumpPage {
  std::string caption;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::vector<DumpControl> controls;

  // The first control of that kind and name; a test that asks for a missing one fails.
  const DumpControl& Get(const std::string& kind, const std::string& name) const {
    for (const auto& c : controls)
      if (c.kind == kind && c.name == name) return c;
    ADD_FAILURE() << "no " << kind << " \"" << name << "\" on page \"" << caption << "\"";
    static const DumpControl missing;
    return missing;
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Splits a dump line into words, undoing the dump's quoting.
inline std::vector<std::string> DumpWords(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      while (i < line.size() && line[i] != '"') {
        if (line[i] == '\\' && i + 1 < line.size()) {
          const char e = line[i + 1];
          i += 2;
          switch (e) {
            case 'n':
              word += '\n';
              break;
            case 'r':
              word += '\r';
              break;
            case 't':
              word += '\t';
              break;
            case 'x':
              word += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
              i += 2;
              break;
            default:
              word += e;
          }
        } else {
          word += line[i++];
        }
      }
      ++i;  // the closing quote
    } else {
      while (i < line.size() && line[i] != ' ') word += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

// Every page printed by `dump` in a run's standard output, in order. Help blocks are skipped.
inline std::vector<DumpPage> ParseDumps(const std::string& out) {
  std::vector<DumpPage> pages;
  std::istringstream in(out);
  std::string line;
  bool inHelp = false;
  while (std::getline(in, line)) {
    if (inHelp) {
      inHelp = line != "end help";
      continue;
    }
    if (line.rfind("help \"", 0) == 0) {
      inHelp = true;
      continue;
    }
    const auto words = DumpWords(line);
    if (words.empty()) continue;
    if (words[0] == "page" && words.size() == 2) {
      pages.push_back({});
      pages.back().caption = words[1];
      continue;
    }
    if (pages.empty()) continue;
    DumpPage& page = pages.back();
    if (words[0] == "rect" && words.size() == 5) {
      page.left = std::stoi(words[1]);
      page.top = std::stoi(words[2]);
      page.right = std::stoi(words[3]);
      page.bottom = std::stoi(words[4]);
      continue;
    }
    if (words.size() < 3) continue;
    DumpControl c;
    c.kind = words[0];
    c.name = words[1];
    std::size_t w = 2;
    c.enabled = words[w++] == "enabled";
    for (; w < words.size(); ++w) {
      if (words[w] == "marked") {
        c.marked = true;
      } else if (words[w] == "default") {
        c.isDefault = true;
      } else if (words[w] == "readonly") {
        c.readOnly = true;
      } else if (words[w] == "text" && w + 1 < words.size()) {
        c.text = words[++w];
      } else if (words[w] == "items") {
        c.items.assign(words.begin() + static_cast<long>(w) + 1, words.end());
        break;
      }
    }
    page.controls.push_back(c);
  }
  return pages;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// The values of a written description: privates and constants by name (the first of a name),
// the module name and the lines themselves.
struct Description {
  bool exists = false;
  std::string text;
  std::string module;
  std::map<std::string, std::string> privates;
  std::map<std::string, std::string> constants;
  std::map<std::string, std::string> constantKinds;

  std::string Constant(const std::string& name) const {
    const auto it = constants.find(name);
    return it == constants.end() ? "<missing>" : it->second;
  }
  std::string Private(const std::string& name) const {
    const auto it = privates.find(name);
    return it == privates.end() ? "<missing>" : it->second;
  }
  // The lines that begin with `prefix`, in file order.
  std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& line : Lines(text))
      if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
  }
};

inline Description ReadDescription(const std::filesystem::path& path) {
  Description d;
  if (!std::filesystem::is_regular_file(path)) return d;
  d.exists = true;
  d.text = testsupport::ReadFileText(path);
  for (const auto& line : Lines(d.text)) {
    std::istringstream words(line);
    std::string keyword, name, kind;
    words >> keyword;
    if (keyword == "MODULE:") {
      words >> d.module;
      continue;
    }
    if (keyword != "PRIVATE:" && keyword != "CONSTANT:") continue;
    words >> name >> kind;
    const auto open = line.find('"');
    const auto close = line.rfind('"');
    const std::string value =
        open != std::string::npos && close > open ? line.substr(open + 1, close - open - 1) : "";
    auto& store = keyword == "PRIVATE:" ? d.privates : d.constants;
    if (!store.count(name)) store[name] = value;
    if (keyword == "CONSTANT:" && !d.constantKinds.count(name)) d.constantKinds[name] = kind;
  }
  return d;
}

// The five code parameters as the description carries them.
struct Code {
  int m, n, check, irrpol, genstart;
};

inline std::string CodeText(const Code& c) {
  std::ostringstream s;
  s << "m " << c.m << " n " << c.n << " check " << c.check << " irrpol " << c.irrpol << " genstart "
    << c.genstart;
  return s.str();
}

inline std::string CodeText(const Description& d) {
  return "m " + d.Constant("m") + " n " + d.Constant("n") + " check " + d.Constant("check") +
         " irrpol " + d.Constant("irrpol") + " genstart " + d.Constant("genstart");
}

// A design rs.tdf in a directory of its own.
class Session {
 public:
  std::string Dir() const { return dir_.Dir(); }
  std::string Design() const { return dir_.Dir() + "rs.tdf"; }
  std::filesystem::path File(const std::string& name) const { return dir_.Path() / name; }

  // A new design (-n), driven by `script`.
  testsupport::RunResult RunNew(const std::string& script,
                                std::vector<std::string> extraArgs = {}) const {
    std::vector<std::string> args = extraArgs;
    args.push_back("-n");
    args.push_back(Design());
    return testsupport::RunWizard(args, script);
  }

  Description Written() const { return ReadDescription(File("rs.cnx")); }

 private:
  testsupport::TempDir dir_;
};

// The labels of the parameter page's fields.
inline const std::string kBits = "Number of bits per symbol";
inline const std::string kSymbols = "Number of symbols per codeword";
inline const std::string kChecks = "Number of check symbols per codeword";
inline const std::string kPolynomial = "Field polynomial";
inline const std::string kFirstRoot = "First root of polynomial generator";

// "1", "2", ... as list items, from `from` to `to` inclusive.
inline std::vector<std::string> Range(int from, int to) {
  std::vector<std::string> items;
  for (int v = from; v <= to; ++v) items.push_back(std::to_string(v));
  return items;
}

}  // namespace e2e
