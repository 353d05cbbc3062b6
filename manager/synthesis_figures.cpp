#include "manager/synthesis_figures.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "manager/program_paths.h"
#include "platform/child_process.h"

namespace manager {

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::string cell;
  for (std::size_t i = 1; i < row.size(); ++i) {
    if (row[i] == '|') {
      const std::size_t begin = cell.find_first_not_of(' ');
      const std::size_t end = cell.find_last_not_of(' ');
      cells.push_back(begin == std::string::npos ? "" : cell.substr(begin, end - begin + 1));
      cell.clear();
    } else {
      cell += row[i];
    }
  }
  return cells;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string LastLine(const std::string& text) {
  std::string trimmed = text;
  while (!trimmed.empty() && trimmed.back() == '\n') trimmed.pop_back();
  const std::size_t start = trimmed.rfind('\n');
  return start == std::string::npos ? trimmed : trimmed.substr(start + 1);
}

// A directory of its own under the system's temporary one, removed when done.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    std::string pattern = (fs::temp_directory_path() / "rsmanager-figures-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
      throw FiguresFailed("no temporary directory for the synthesis figures");
    path_ = pattern;
  }
  ~TemporaryDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

std::optional<hdl::SynthesisFigures> ParseFigures(const std::string& output) {
  hdl::SynthesisFigures figures;
  std::istringstream lines(output);
  std::string line;
  bool inTable = false;
  while (std::getline(lines, line)) {
    if (line.starts_with("yosys: ") || line.starts_with("nextpnr-ice40: ")) {
      figures.tools.push_back(line);
    } else if (line.starts_with("| design")) {
      figures.headings = Cells(line);
    } else if (line.starts_with("|---")) {
      inTable = true;
    } else if (inTable && line.starts_with("| ")) {
      figures.values = Cells(line);
      break;
    }
  }
  if (figures.headings.empty() || figures.values.size() != figures.headings.size())
    return std::nullopt;
  return figures;
}

std::optional<hdl::SynthesisFigures> MeasureDesign(const std::string& name,
                                                   const std::string& designText,
                                                   std::string& note) {
  if (!FindOnPath("yosys")) {
    note = "Not measured: --figures was given, but yosys is not installed.";
    return std::nullopt;
  }
  const std::optional<std::string> script = FindFiguresScript();
  if (!script) {
    note = "Not measured: bench/hdl_figures.sh is not installed.";
    return std::nullopt;
  }
  const TemporaryDirectory work;
  const fs::path design = work.Path() / (name + ".v");
  {
    std::ofstream out(design);
    out << designText;
    if (!out.flush()) throw FiguresFailed("cannot write " + design.string());
  }
  const fs::path output = work.Path() / "figures.txt", errors = work.Path() / "figures.err";
  std::vector<std::string> args{"-c",
                                "exec bash \"$0\" $4 \"$1\" > \"$2\" 2> \"$3\"",
                                *script,
                                design.string(),
                                output.string(),
                                errors.string(),
                                FindOnPath("nextpnr-ice40") ? "" : "--no-pnr"};
  std::string error;
  std::unique_ptr<platform::ChildProcess> child = platform::StartChild("/bin/sh", args, error);
  if (!child) throw FiguresFailed("cannot run " + *script + ": " + error);
  std::optional<platform::ChildEnd> end;
  while (!(end = child->Poll())) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const std::string text = ReadAll(output);
  if (!end->exited || end->status != 0)
    throw FiguresFailed(*script + " failed on " + name + ".v: " + LastLine(ReadAll(errors)));
  std::optional<hdl::SynthesisFigures> figures = ParseFigures(text);
  if (!figures) throw FiguresFailed(*script + " printed no figures for " + name + ".v");
  return figures;
}

}  // namespace manager
