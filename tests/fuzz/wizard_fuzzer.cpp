// libFuzzer entry point for a whole wizard run in-process: the bytes give the command line, an
// old description and the console events. The files live in memory and never fail, so every
// run must end with one of the navigation codes (or 1 when it cannot start), and a finished run
// must leave settings in range and files that agree with them and read back the same.
//
// Input layout (wizard_fuzzer): byte 0 holds the flags below; with kCorner the next 8 bytes are the
// corner given by -x and -y (two 32-bit little-endian integers). With kHasDescription the bytes
// after these up to the first NUL (all of them when there is none) are the old description and the
// rest the events, otherwise all the rest is events.
//
// Built as command_line_fuzzer (RS_FUZZ_COMMAND_LINE), the command line is the input's: byte 0
// is a count of words, each word follows ending at a NUL, and the rest is events. The design
// file is always given last, so that the words explore the options rather than the file name.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "description/wizard_description.h"
#include "host/process_state.h"
#include "platform/console/console_ui.h"
#include "platform/platform.h"
#include "rsmath/galois_field.h"
#include "rswizard/process_settings.h"
#include "rswizard/rs_wizard_app.h"
#include "symbol/symbol_model.h"
#include "tests/support/wizard_output_checks.h"

namespace {

constexpr std::uint8_t kNewFile = 1;
constexpr std::uint8_t kHasDescription = 2;
constexpr std::uint8_t kPageOffset = 4;
constexpr std::uint8_t kSymbolFile = 8;
constexpr std::uint8_t kExtensionBits = 16 | 32;  // .tdf, .vhd, .v or a refused .TDF
constexpr std::uint8_t kCallerThread = 64;
constexpr std::uint8_t kCorner = 128;  // -x and -y

const char* const kDirectory = "/fuzz/design/";
const char* const kExecutable = "/fuzz/bin/rswizard";

[[noreturn]] void Broken(const std::string& what) {
  std::fprintf(stderr, "wizard invariant broken: %s\n", what.c_str());
  std::abort();
}

class MemoryFiles : public platform::FileSystem {
 public:
  std::map<std::string, std::string> files;

  std::optional<std::string> ReadWhole(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  bool Remove(const std::string& path) override { return files.erase(path) != 0; }
  std::optional<platform::ReplacementFile> CreateReplacement(const std::string& target) override {
    const std::string path = target + ".new";
    files[path].clear();
    return platform::ReplacementFile{path, target, std::make_unique<File>(files[path])};
  }
  bool Rename(const std::string& from, const std::string& to) override {
    const auto it = files.find(from);
    if (it == files.end()) return false;
    std::string content = std::move(it->second);
    files.erase(it);
    files[to] = std::move(content);
    return true;
  }

 private:
  class File : public platform::OutputFile {
   public:
    explicit File(std::string& content) : content_(content) {}
    bool Write(std::string_view data) override {
      content_.append(data);
      return true;
    }
    bool Close() override { return true; }

   private:
    std::string& content_;  // a map's element stays where it is until it is erased
  };
};

class FuzzProcess : public platform::ProcessServices {
 public:
  int notices = 0;
  std::string ExecutablePath() override { return kExecutable; }
  void PostNotice(int, int, int, int) override { ++notices; }
  // Only a file that cannot be written ends a run this way, and these files always can.
  [[noreturn]] void Exit(int code) override {
    Broken("the run ended the process with " + std::to_string(code));
  }
};

struct RunResult {
  int code = 0;
  std::string err;
};

// One run as the program makes it, on fresh process-wide state.
RunResult RunOnce(MemoryFiles& files, const std::vector<std::string>& words,
                  const std::string& events) {
  host::ResetProcessState();
  rswizard::Settings() = rsblock::RsSettings{};
  rsmath::ResetTables();
  std::istringstream in(events);
  std::ostringstream out;
  std::ostringstream err;
  platform::ConsoleUi ui(in, out, err, false);
  // The GUI module is no part of this run: a snapshot fails as it does without one.
  ui.SetSnapshotRenderer([](const platform::Dialog&, const std::string&, std::string* error) {
    *error = "no GUI module in the fuzzer";
    return false;
  });
  FuzzProcess process;
  platform::ScopedPlatform scoped(&files, &process, &ui);
  // One description for the whole fuzzing process, as the program has one: a fresh one per
  // run would cost more than the run, its stores reserve all their rows. It is left as a
  // description is at process start.
  static description::WizardDescription* const description = new description::WizardDescription();
  description->ClearStores();
  description->moduleName = "default";
  symbol::SymbolModel symbolModel;
  rswizard::RsWizardApp app(symbolModel, *description);
  RunResult result;
  result.code = app.RunWizard(words);
  result.err = err.str();
  return result;
}

// The files of the design directory, by name.
std::map<std::string, std::string> DesignFiles(const MemoryFiles& files) {
  std::map<std::string, std::string> found;
  const std::string dir = kDirectory;
  for (const auto& [path, content] : files.files)
    if (path.rfind(dir, 0) == 0) found[path.substr(dir.size())] = content;
  return found;
}

void CheckFinished(MemoryFiles& files, const std::vector<std::string>& words,
                   const std::string& design) {
  const auto before = DesignFiles(files);
  const auto cnx = before.find("rs.cnx");
  if (cnx == before.end()) Broken("finished without a description");
  const e2echeck::ValueLines lines = e2echeck::ReadValueLines(cnx->second);
  const e2echeck::Settings s = e2echeck::RecordedSettings(lines);
  std::string problem = e2echeck::RangeProblem(s);
  if (!problem.empty()) Broken("written settings " + s.ToString() + ": " + problem);
  problem = e2echeck::DescriptionProblem(cnx->second, lines, s);
  if (!problem.empty()) Broken("description: " + problem);
  const std::size_t expected = 1 + (s.Enc_Dec == 0 ? 2 : 0) + (s.generate_vectorfile == 1 ? 1 : 0);
  if (before.size() != expected) Broken("wrong number of files for " + s.ToString());
  if (s.Enc_Dec == 0) {
    const std::string f = std::to_string(s.m) + "_" + std::to_string(s.irrpol);
    const auto inv = before.find("inv_" + f + ".hex");
    const auto evnum = before.find("evnum_" + f + "_" + std::to_string(s.genstart) + ".hex");
    if (inv == before.end() || evnum == before.end()) Broken("memory file missing");
    problem = e2echeck::HexProblem(inv->second, s, e2echeck::Table::Inverse);
    if (problem.empty()) problem = e2echeck::HexProblem(evnum->second, s, e2echeck::Table::Evnum);
    if (!problem.empty()) Broken("memory file: " + problem);
  }
  if (s.generate_vectorfile == 1) {
    const auto vec = before.find("rs.vec");
    if (vec == before.end()) Broken("vector file missing");
    problem = e2echeck::VectorProblem(vec->second, s);
    if (!problem.empty()) Broken("vector file: " + problem);
  }
  // Opened again and finished at once, the description gives the same files.
  std::vector<std::string> again;
  for (const std::string& w : words)
    if (w == "-symbol") again.push_back(w);
  again.push_back(design);
  const RunResult reread = RunOnce(files, again, "click Finish\n");
  if (reread.code != 0 || !reread.err.empty()) Broken("reading the description again failed");
  if (DesignFiles(files) != before) Broken("reading the description again changed the files");
}

// What every run must leave behind, by how it ended.
void CheckOutcome(MemoryFiles& files, const std::vector<std::string>& words,
                  const std::string& design, const RunResult& result, bool canStart, bool hasOld,
                  bool offset) {
  switch (result.code) {
    case 1:
      if (canStart) Broken("a run that could start did not");
      if (DesignFiles(files).size() != (hasOld ? 1u : 0u)) Broken("a run that did not start wrote");
      break;
    case 2:
      if (!DesignFiles(files).empty()) Broken("cancelled, but files are left");
      break;
    case -1:
      if (!offset) Broken("backed out of the first page without an offset");
      [[fallthrough]];
    case 0:
      if (!canStart) Broken("a run that could not start went on");
      CheckFinished(files, words, design);
      break;
    default:
      Broken("exit code " + std::to_string(result.code));
  }
}

#ifdef RS_FUZZ_COMMAND_LINE

int FuzzCommandLine(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t count = data[0] % 16;
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<std::string> words;
  while (words.size() < count && !rest.empty()) {
    const std::size_t nul = rest.find('\0');
    words.emplace_back(rest.substr(0, nul));
    rest.remove_prefix(nul == std::string_view::npos ? rest.size() : nul + 1);
  }
  const std::string design = std::string(kDirectory) + "rs.tdf";
  words.push_back(design);
  MemoryFiles files;
  files.files[std::string(kExecutable) + ".hlp"] = "The wizard's help.\n";
  const RunResult result = RunOnce(files, words, std::string(rest));
  // Without an old description only -n lets a run start; whether it does is the words' business.
  CheckOutcome(files, words, design, result, result.code != 1, false, true);
  return 0;
}

#else

int FuzzEventsAndDescription(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  std::size_t start = 1;
  int corner[2] = {0, 0};
  if (flags & kCorner) {
    if (size < 9) return 0;
    for (int i = 0; i < 2; ++i) {
      std::uint32_t v = 0;
      for (int b = 3; b >= 0; --b) v = v << 8 | data[1 + 4 * i + b];
      corner[i] = static_cast<int>(v);
    }
    start = 9;
  }
  const std::string_view rest(reinterpret_cast<const char*>(data + start), size - start);
  std::optional<std::string> old;
  std::string events(rest);
  if (flags & kHasDescription) {
    const std::size_t nul = rest.find('\0');
    old = std::string(rest.substr(0, nul));
    events = nul == std::string_view::npos ? std::string() : std::string(rest.substr(nul + 1));
  }

  static const char* const kExtensions[] = {".tdf", ".vhd", ".v", ".TDF"};
  const bool goodExtension = (flags & kExtensionBits) != kExtensionBits;
  const std::string design =
      std::string(kDirectory) + "rs" + kExtensions[(flags & kExtensionBits) >> 4];
  std::vector<std::string> words;
  if (flags & kNewFile) words.push_back("-n");
  if (flags & kPageOffset) words.push_back("-p1");
  if (flags & kSymbolFile) words.push_back("-symbol");
  if (flags & kCallerThread) words.push_back("-h4242");
  if (flags & kCorner) {
    words.push_back("-x" + std::to_string(corner[0]));
    words.push_back("-y" + std::to_string(corner[1]));
  }
  words.push_back(design);

  MemoryFiles files;
  files.files[std::string(kExecutable) + ".hlp"] = "The wizard's help.\n";
  if (old) files.files[std::string(kDirectory) + "rs.cnx"] = *old;
  const RunResult result = RunOnce(files, words, events);

  const bool canStart = goodExtension && ((flags & kNewFile) || old);
  CheckOutcome(files, words, design, result, canStart, old.has_value(), flags & kPageOffset);
  return 0;
}

#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#ifdef RS_FUZZ_COMMAND_LINE
  return FuzzCommandLine(data, size);
#else
  return FuzzEventsAndDescription(data, size);
#endif
}
