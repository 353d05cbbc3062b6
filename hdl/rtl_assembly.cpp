#include "hdl/rtl_assembly.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "description/description_format.h"
#include "hdl/refusal.h"
#include "platform/line_splitter.h"
#include "platform/platform.h"

namespace hdl {

namespace {

constexpr int kIncludeDepth = 8;
constexpr std::string_view kUsesLine = "// uses:";

std::string_view TrimStart(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$';
}

// Calls visit(line) for every line of text, without its line feed.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  platform::LineSplitter lines(text);
  while (const std::optional<std::string_view> line = lines.Next()) visit(*line);
}

// True when line opens the conditional `directive NAME (NAME the whole word).
bool OpensConditional(std::string_view line, std::string_view directive, std::string_view name) {
  if (!line.starts_with(directive)) return false;
  line.remove_prefix(directive.size());
  if (line.empty() || (line.front() != ' ' && line.front() != '\t')) return false;
  line = TrimStart(line);
  return line.starts_with(name) && (line.size() == name.size() || !IsWordChar(line[name.size()]));
}

bool IsDirective(std::string_view line, std::string_view directive) {
  return line.starts_with(directive) &&
         (line.size() == directive.size() || !IsWordChar(line[directive.size()]));
}

// The file names of the uses lines mean nothing once the files are copied together. The formal
// properties are proved on the sources (tools/formal.sh); the block carries the design alone,
// so that its bytes stay the same when a property changes.
std::string WithoutUsesLinesAndProperties(std::string_view text, const std::string& file) {
  std::string out;
  int depth = 0;  // conditionals open inside an `ifdef FORMAL block, the block's own included
  ForEachLine(text, [&](std::string_view line) {
    const std::string_view trimmed = TrimStart(line);
    if (depth > 0) {
      if (IsDirective(trimmed, "`ifdef") || IsDirective(trimmed, "`ifndef")) {
        ++depth;
      } else if (IsDirective(trimmed, "`endif")) {
        --depth;
      } else if (depth == 1 && (IsDirective(trimmed, "`else") || IsDirective(trimmed, "`elsif"))) {
        throw Refusal("the HDL source " + file +
                      " has an `else in an `ifdef FORMAL block: design and properties must "
                      "stay apart");
      }
      return;
    }
    if (OpensConditional(trimmed, "`ifdef", "FORMAL")) {
      depth = 1;
      return;
    }
    if (trimmed.starts_with(kUsesLine)) return;
    out.append(line);
    out += '\n';
  });
  if (depth > 0) throw Refusal("the HDL source " + file + " leaves an `ifdef FORMAL block open");
  return out;
}

class CoreAssembler {
 public:
  explicit CoreAssembler(const std::string& directory) : directory_(directory) {}

  std::size_t FileCount() const { return files_.size(); }

  void Visit(const std::string& file) {
    if (std::find(files_.begin(), files_.end(), file) != files_.end()) return;
    files_.push_back(file);
    const std::string text = Expand(file, 0);
    texts_.push_back(text);
    std::vector<std::string> uses;
    ForEachLine(text, [&](std::string_view line) {
      line = TrimStart(line);
      if (line.starts_with("module ") || line.starts_with("module\t")) {
        description::FieldSplitter fields(line);
        fields.Next();
        if (const std::optional<std::string_view> name = fields.Next()) {
          std::string_view word = *name;
          const auto stop = std::find_if_not(word.begin(), word.end(), IsWordChar);
          modules_.emplace_back(word.begin(), stop);
        }
      }
      if (!line.starts_with(kUsesLine)) return;
      description::FieldSplitter fields(line.substr(kUsesLine.size()));
      while (const std::optional<std::string_view> used = fields.Next()) uses.emplace_back(*used);
    });
    for (const std::string& used : uses) Visit(used);
  }

  // Every file renamed, each after a line naming it. One file holds many modules, so the
  // linter's wish for one module per file of its name is switched off for them.
  // from: the files visited before it are left out.
  std::string Assembled(std::string_view prefix, std::size_t from = 0) const {
    std::string out = "\n// verilator lint_off DECLFILENAME\n";
    for (std::size_t i = from; i < files_.size(); ++i)
      out += "\n// " + files_[i] + "\n" +
             PrefixNames(WithoutUsesLinesAndProperties(texts_[i], files_[i]), modules_, prefix);
    return out;
  }

  const std::vector<std::string>& Files() const { return files_; }

 private:
  std::string Read(const std::string& file) const {
    if (file.empty() || file.find('/') != std::string::npos || file.starts_with("."))
      throw Refusal("the RTL names a file outside its directory: " + file);
    const std::optional<std::string> text = platform::Files().ReadWhole(directory_ + file);
    if (!text) throw Refusal("the HDL source " + directory_ + file + " is missing or unreadable");
    return *text;
  }

  // The file with each `include "X" line replaced by X's own expansion.
  std::string Expand(const std::string& file, int depth) const {
    if (depth > kIncludeDepth) throw Refusal("the includes of the RTL nest too deep at " + file);
    std::string out;
    ForEachLine(Read(file), [&](std::string_view line) {
      const std::string_view trimmed = TrimStart(line);
      // An included file is read inside its includer's module, under the includer's
      // `default_nettype none: a line of its own there would change the rest of the includer.
      if (depth > 0 && trimmed.starts_with("`default_nettype"))
        throw Refusal("the included RTL file " + file +
                      " sets `default_nettype, which would change its includer's");
      if (trimmed.starts_with("`include")) {
        const std::size_t open = trimmed.find('"');
        const std::size_t close = trimmed.find('"', open + 1);
        if (open != std::string_view::npos && close != std::string_view::npos) {
          out += Expand(std::string(trimmed.substr(open + 1, close - open - 1)), depth + 1);
          return;
        }
      }
      out.append(line);
      out += '\n';
    });
    return out;
  }

  const std::string& directory_;
  std::vector<std::string> files_;
  std::vector<std::string> texts_;  // of files_, includes expanded
  std::vector<std::string> modules_;
};

}  // namespace

std::string PrefixNames(std::string_view text, const std::vector<std::string>& names,
                        std::string_view prefix) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!IsWordChar(text[i])) {
      out += text[i++];
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && IsWordChar(text[end])) ++end;
    const std::string_view word = text.substr(i, end - i);
    // A macro (`name) or a system task ($name) is never one of the modules.
    const bool marked = i > 0 && text[i - 1] == '`';
    if (!marked && std::find(names.begin(), names.end(), word) != names.end()) out += prefix;
    out += word;
    i = end;
  }
  return out;
}

std::vector<std::string> CoreFiles(const std::string& rtlDirectory, const std::string& topFile) {
  CoreAssembler assembler(rtlDirectory);
  assembler.Visit(topFile);
  return assembler.Files();
}

std::string AssembleCore(const std::string& rtlDirectory, const std::string& topFile,
                         std::string_view prefix) {
  CoreAssembler assembler(rtlDirectory);
  assembler.Visit(topFile);
  return assembler.Assembled(prefix);
}

std::string AssembleBeside(const std::string& rtlDirectory, const std::string& topFile,
                           const std::string& besideFile, std::string_view prefix) {
  CoreAssembler assembler(rtlDirectory);
  assembler.Visit(besideFile);
  const std::size_t held = assembler.FileCount();
  assembler.Visit(topFile);
  return assembler.Assembled(prefix, held);
}

}  // namespace hdl
