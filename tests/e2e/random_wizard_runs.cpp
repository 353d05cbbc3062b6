// Whole runs of the real binary on random event scripts: random pages reached by Next and
// Back, clicks on every button, garbage typed into the parameter fields, picks, keys, broken
// lines, old descriptions good and bad. Every run must end with a documented exit code and no
// sanitizer report; a finished run must leave settings in range, files that agree with them and
// a description that reads back to the same result.
//
// Environment:
//   RSWIZARD_RANDOM_RUNS   how many scripts (default 200)
//   RSWIZARD_RANDOM_SEED   the seed of the whole batch (default 20240611)
//   RSWIZARD_RANDOM_ONLY   run only the script of this number (to replay a failure)
//   RSWIZARD_RANDOM_JOBS   scripts run at the same time (default 2)
//   RSWIZARD_RANDOM_KEEP   where a failing script's files are saved (default: the working
//                          directory, under random-wizard-failures/)
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"
#include "tests/support/wizard_output_checks.h"

namespace {

using e2echeck::Settings;

const char* const kFieldLabels[] = {"Number of bits per symbol", "Number of symbols per codeword",
                                    "Number of check symbols per codeword", "Field polynomial",
                                    "First root of polynomial generator"};
const char* const kChoiceButtons[] = {
    "Encoder",       "Decoder",        "Streaming",    "Discrete",
    "Full - Faster", "Half - Smaller", "DVB Standard", "Generate Vector Files"};
const char* const kDesignBases[] = {"rs", "codec", "Rs_2", "a"};
const char* const kExtensions[] = {".tdf", ".vhd", ".v"};

enum class OldDescription { None, HandEdited, Junk };

// One generated run, everything needed to replay it.
struct Script {
  std::uint64_t number = 0;
  std::vector<std::string> options;  // before the design path
  std::string designBase;
  std::string designExtension;
  bool newFile = false;
  bool backLeavesFirstPage = false;  // -p with a positive offset
  OldDescription old = OldDescription::None;
  std::string oldText;
  // Settings the hand-edited description records, as its keys would be read one by one.
  Settings oldRead;
  bool finishAtOnce = false;  // the script changes nothing before Finish
  std::string events;
};

class ScriptMaker {
 public:
  ScriptMaker(std::uint64_t seed, std::uint64_t number) {
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                      static_cast<std::uint32_t>(number), static_cast<std::uint32_t>(number >> 32)};
    random_.seed(seq);
  }

  Script Make(std::uint64_t number) {
    Script s;
    s.number = number;
    s.designBase = kDesignBases[Pick(0, 3)];
    s.designExtension = kExtensions[Pick(0, 2)];
    switch (Pick(0, 9)) {
      case 0:
      case 1:
      case 2:
        s.old = OldDescription::HandEdited;
        s.oldText = HandEdited(&s.oldRead);
        break;
      case 3:
        s.old = OldDescription::Junk;
        s.oldText = Junk();
        break;
      default:
        break;
    }
    s.newFile = s.old == OldDescription::None ? Pick(0, 19) != 0 : Pick(0, 4) == 0;
    if (s.newFile) s.options.push_back("-n");
    if (Pick(0, 9) == 0) {
      const int offset = Pick(0, 3);
      s.options.push_back("-p" + std::to_string(offset));
      s.backLeavesFirstPage = offset > 0;
    }
    if (Pick(0, 14) == 0) s.options.push_back("-symbol");
    if (Pick(0, 19) == 0) s.options.push_back("-t");
    // Notices to a caller that is not there are lost, as a posted message to a gone thread is.
    if (Pick(0, 14) == 0) s.options.push_back("-h" + std::to_string(Pick(900000, 999999)));
    if (Pick(0, 29) == 0) s.options.push_back("-q");  // unknown: the help box, then the run
    if (Pick(0, 9) == 0) s.options.push_back("-x" + Coordinate());
    if (Pick(0, 9) == 0) s.options.push_back("-y" + Coordinate());
    std::shuffle(s.options.begin(), s.options.end(), random_);
    s.finishAtOnce = Pick(0, 6) == 0;
    s.events = s.finishAtOnce ? HarmlessEvents() + "click Finish\n" : Events();
    return s;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
  bool OneIn(int n) { return Pick(1, n) == 1; }

  std::string Coordinate() {
    switch (Pick(0, 3)) {
      case 0:
        return std::to_string(Pick(-50, 1100));
      case 1:
        return "-2147483648";
      case 2:
        return "99999999999";
      default:
        return std::to_string(Pick(-3000000, 3000000));
    }
  }

  // Inside quotes only a double quote and a backslash need escaping; a line feed cannot be
  // part of an event.
  static std::string Quoted(const std::string& text) {
    std::string q = "\"";
    for (char c : text) {
      if (c == '"' || c == '\\') q += '\\';
      q += c == '\n' ? ' ' : c;
    }
    return q + "\"";
  }

  std::string Word(const std::string& text) {
    // A word without blanks or quotes may go unquoted, as a person would type it.
    const bool plain = !text.empty() && text.find_first_of(" \t\"#\r") == std::string::npos &&
                       text.find('\n') == std::string::npos;
    return plain && OneIn(3) ? text : Quoted(text);
  }

  std::string RandomBytes(int maxLength, bool highBytes) {
    std::string text;
    const int length = Pick(0, maxLength);
    for (int i = 0; i < length; ++i) {
      const int c = highBytes ? Pick(0, 255) : Pick(32, 126);
      text += c == '\n' ? ' ' : static_cast<char>(c);
    }
    return text;
  }

  // A number that fits the field more often than not, near its edges.
  std::string FieldNumber(int field) {
    switch (field) {
      case 0:
        return std::to_string(Pick(2, 10));
      case 1:
        return std::to_string(OneIn(2) ? Pick(3, 40) : Pick(0, 300));
      case 2:
        return std::to_string(OneIn(2) ? Pick(2, 20) : Pick(0, 70));
      case 3: {
        const int m = Pick(4, 8);
        const auto& row = e2echeck::PolynomialsOf(m);
        return OneIn(5)
                   ? std::to_string(Pick(0, 600))
                   : std::to_string(
                         row[static_cast<std::size_t>(Pick(0, static_cast<int>(row.size()) - 1))]);
      }
      default:
        return std::to_string(OneIn(2) ? Pick(-2, 20) : Pick(0, 260));
    }
  }

  std::string FieldText(int field) {
    static const char* const kOdd[] = {"",
                                       "-1",
                                       "-0",
                                       "+7",
                                       " 5",
                                       "5 ",
                                       "1 2",
                                       "--3",
                                       "0x10",
                                       "007",
                                       "7x",
                                       "abc",
                                       "\"5\"",
                                       "5\"",
                                       "\t6",
                                       "+",
                                       "-",
                                       "2147483647",
                                       "2147483648",
                                       "-2147483648",
                                       "-2147483649",
                                       "4294967301",
                                       "99999999999999999999999",
                                       "1e3",
                                       "8.0",
                                       "\xff\xfe",
                                       "5\xc3\xa9",
                                       "\\",
                                       "\\\"",
                                       "#4"};
    switch (Pick(0, 9)) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
        return FieldNumber(field);
      case 5:
      case 6:
        return kOdd[Pick(0, static_cast<int>(std::size(kOdd)) - 1)];
      case 7:
        return std::string("5\0", 2) + (OneIn(2) ? "1" : "");
      case 8:
        return RandomBytes(12, false);
      default:
        return RandomBytes(20, true);
    }
  }

  std::string Label(int field) {
    if (OneIn(25)) return OneIn(2) ? "Number of bits" : std::string(kFieldLabels[field]) + " ";
    return kFieldLabels[field];
  }

  std::string Garbage() {
    switch (Pick(0, 14)) {
      case 0:
        return "clack Next";
      case 1:
        return "click";
      case 2:
        return "click Next > extra";
      case 3:
        return "type " + Quoted(kFieldLabels[Pick(0, 4)]);
      case 4:
        return "click \"Next >";
      case 5:
        return "# a comment with click Cancel in it";
      case 6:
        return "   \t ";
      case 7:
        return "key Space";
      case 8:
        return "key";
      case 9:
        return "move 10";
      case 10:
        return "move 1x 20";
      case 11:
        return "dump now";
      case 12:
        return OneIn(2) ? "snapshot \"\"" : "snapshot";
      case 13:
        return OneIn(8) ? "click " + std::string(70000, 'x') : RandomBytes(30, true);
      default:
        return "close the box";
    }
  }

  std::string Event() {
    const int w = Pick(0, 99);
    if (w < 14) return "click \"Next >\"";
    if (w < 19) return "click \"< Back\"";
    if (w < 21) return "click Finish";
    if (w < 22) return "click Cancel";
    if (w < 23) return "close";
    if (w < 24) return "key Escape";
    if (w < 26) return "key Enter";
    if (w < 27) return "key F1";
    if (w < 43) return "click " + Word(kChoiceButtons[Pick(0, 7)]);
    if (w < 67) {
      const int field = Pick(0, 4);
      return "type " + Word(Label(field)) + " " + Word(FieldText(field));
    }
    if (w < 79) {
      const int field = Pick(0, 4);
      return "pick " + Word(Label(field)) + " " +
             Word(OneIn(10) ? FieldText(field) : FieldNumber(field));
    }
    if (w < 82) {
      return "move " + std::to_string(Pick(-1000001, 1000001)) + " " +
             std::to_string(OneIn(3) ? Pick(-1000000, 1000000) : Pick(0, 800));
    }
    if (w < 85) return "dump";
    return Garbage();
  }

  std::string LineEnd() { return OneIn(10) ? "\r\n" : "\n"; }

  std::string Events() {
    std::string text;
    const int count = OneIn(4) ? Pick(0, 6) : Pick(4, 45);
    for (int i = 0; i < count; ++i) text += (OneIn(20) ? " \t" : "") + Event() + LineEnd();
    switch (Pick(0, 9)) {
      case 0:
        text += "click Cancel\n";
        break;
      case 1:
      case 2:
        break;  // the input ends: the close box
      case 3:
        text += "click Finish";  // no final line feed
        break;
      default:
        text += "click Finish\n";
    }
    return text;
  }

  // Events that change no setting, before an immediate Finish.
  std::string HarmlessEvents() {
    static const char* const kHarmless[] = {
        "dump", "move 500 400", "key F1", "# note", "click nothing", "type \"Field polynomial\" 3"};
    std::string text;
    const int count = Pick(0, 3);
    for (int i = 0; i < count; ++i) text += std::string(kHarmless[Pick(0, 5)]) + "\n";
    return text;
  }

  // A description as a person might have edited it: well-formed lines whose values may be out
  // of range or not numbers at all. `read` gets what each key reads as.
  std::string HandEdited(Settings* read) {
    Settings s;  // the values of missing keys
    Settings valid;
    valid.m = Pick(4, 8);
    const auto& row = e2echeck::PolynomialsOf(valid.m);
    valid.irrpol = row[static_cast<std::size_t>(Pick(0, static_cast<int>(row.size()) - 1))];
    const int top = (1 << valid.m) - 1;
    valid.check = Pick(4, std::min(50, top - 1));
    valid.n = Pick(std::max(5, valid.check + 1), top);
    valid.genstart = Pick(0, top - valid.check);
    valid.Enc_Dec = Pick(0, 1);
    valid.Disc_Stream = Pick(0, 1);
    valid.Fast_Small = Pick(0, 1);
    valid.generate_vectorfile = Pick(0, 1);
    const bool allValid = OneIn(2);

    struct Key {
      const char* store;
      const char* name;
      int Settings::*field;
    };
    static const Key kKeys[] = {
        {"PRIVATE", "Enc_Dec", &Settings::Enc_Dec},
        {"PRIVATE", "Disc_Stream", &Settings::Disc_Stream},
        {"PRIVATE", "Fast_Small", &Settings::Fast_Small},
        {"CONSTANT", "m", &Settings::m},
        {"CONSTANT", "n", &Settings::n},
        {"CONSTANT", "check", &Settings::check},
        {"CONSTANT", "irrpol", &Settings::irrpol},
        {"PRIVATE", "GENSTART_V", &Settings::genstart},
        {"PRIVATE", "generate_vectorfile", &Settings::generate_vectorfile},
    };
    struct Line {
      const Key* key;
      std::string store;
      std::string value;
    };
    std::vector<Line> lines;
    for (int round = 0; round < 2; ++round) {
      for (const Key& key : kKeys) {
        if (round == 1 && !OneIn(6)) continue;  // a few keys twice: the first one counts
        if (!allValid && OneIn(8)) continue;    // a missing key reads as its default
        std::string value = std::to_string(valid.*key.field);
        if (!allValid && OneIn(3)) {
          static const char* const kValues[] = {"-1",
                                                "0",
                                                "3",
                                                "9",
                                                "12abc",
                                                "abc",
                                                "",
                                                "+5",
                                                "-7",
                                                "256",
                                                "999",
                                                "2147483647",
                                                "99999999999999",
                                                "-99999999999999",
                                                "-0"};
          value = OneIn(3) ? std::to_string(Pick(-300, 600))
                           : kValues[Pick(0, static_cast<int>(std::size(kValues)) - 1)];
        }
        // In the wrong store a key is not read at all.
        const bool wrongStore = !allValid && OneIn(20);
        lines.push_back({&key,
                         wrongStore ? (std::string(key.store) == "PRIVATE" ? "CONSTANT" : "PRIVATE")
                                    : key.store,
                         value});
      }
    }
    std::shuffle(lines.begin(), lines.end(), random_);
    std::vector<std::string> texts;
    std::map<std::string, bool> seen;
    for (const Line& line : lines) {
      if (line.store == line.key->store && !seen[line.key->name]) {
        seen[line.key->name] = true;
        s.*line.key->field = e2echeck::LeadingNumber(line.value);
      }
      texts.push_back(line.store + ": " + line.key->name +
                      (OneIn(4) ? " STRING \"" : " NUMERIC \"") + line.value + "\"");
    }
    // The constant genstart is written for the block only and never read.
    texts.insert(texts.begin() + Pick(0, static_cast<int>(texts.size())),
                 "CONSTANT: genstart NUMERIC \"" + std::to_string(Pick(-5, 300)) + "\"");
    *read = s;
    std::string text = "GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: rsdsca\n\n";
    for (const std::string& line : texts) text += line + LineEnd();
    if (OneIn(3)) text += "USED_PORT: rsin 0 0 4 1 INPUT NODEFVAL rsin[4..1]\n";
    if (OneIn(3)) text += "SYMBOL: BOX 160 224 50 206 Arial,10\n";
    return text;
  }

  std::string Junk() {
    static const char* const kKeys[] = {
        "Enc_Dec", "Disc_Stream", "Fast_Small", "GENSTART_V", "generate_vectorfile",
        "m",       "n",           "check",      "irrpol",     "genstart"};
    static const char* const kKeywords[] = {
        "PRIVATE:", "CONSTANT:", "PARAMETER:", "USED_PORT:", "CONNECT:", "SYMBOL:", "MODULE:"};
    std::string text;
    const int lines = Pick(0, 40);
    for (int i = 0; i < lines; ++i) {
      if (OneIn(3)) {
        text += RandomBytes(OneIn(10) ? 600 : 60, true);
      } else {
        text += std::string(kKeywords[Pick(0, 6)]) + (OneIn(5) ? "\t" : " ") + kKeys[Pick(0, 9)] +
                (OneIn(2) ? " NUMERIC " : " ") + (OneIn(2) ? "\"" : "") +
                RandomBytes(12, OneIn(3)) + (OneIn(2) ? "\"" : "");
      }
      text += LineEnd();
    }
    return text;
  }

  std::mt19937_64 random_;
};

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  if (!value || !*value) return fallback;
  return std::strtoull(value, nullptr, 10);
}

std::map<std::string, std::string> DirectoryContent(const std::filesystem::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    files[entry.path().filename().string()] = testsupport::ReadFileText(entry.path());
  return files;
}

std::string Names(const std::map<std::string, std::string>& files) {
  std::string names;
  for (const auto& [name, content] : files) names += (names.empty() ? "" : " ") + name;
  return names.empty() ? "(none)" : names;
}

bool HasSanitizerReport(const std::string& err) {
  return err.find("Sanitizer") != std::string::npos ||
         err.find("runtime error:") != std::string::npos;
}

// What a finished run (Finish, or Back on the first page) must have left behind; empty when
// all is well.
std::string CheckFinished(const Script& script, const testsupport::TempDir& dir,
                          const std::string& design) {
  const auto files = DirectoryContent(dir.Path());
  const std::string cnxName = script.designBase + ".cnx";
  const auto cnx = files.find(cnxName);
  if (cnx == files.end()) return "no description written; files: " + Names(files);
  const e2echeck::ValueLines lines = e2echeck::ReadValueLines(cnx->second);
  const Settings s = e2echeck::RecordedSettings(lines);
  const std::string range = e2echeck::RangeProblem(s);
  if (!range.empty()) return "written settings " + s.ToString() + ": " + range;
  if (script.finishAtOnce) {
    Settings expected = e2echeck::kNewDesign;
    if (!script.newFile) expected = e2echeck::Mended(script.oldRead);
    if (!script.newFile && script.old == OldDescription::Junk) expected = s;  // no model of it
    if (!e2echeck::SameRecorded(s, expected))
      return "finished at once with " + s.ToString() + ", expected " + expected.ToString();
  }
  std::string problem = e2echeck::DescriptionProblem(cnx->second, lines, s);
  if (!problem.empty()) return cnxName + ": " + problem;

  std::map<std::string, e2echeck::Table> hexFiles;
  if (s.Enc_Dec == 0) {
    const std::string f = std::to_string(s.m) + "_" + std::to_string(s.irrpol);
    hexFiles["inv_" + f + ".hex"] = e2echeck::Table::Inverse;
    hexFiles["evnum_" + f + "_" + std::to_string(s.genstart) + ".hex"] = e2echeck::Table::Evnum;
  }
  const std::string vecName = script.designBase + ".vec";
  std::size_t expectedCount = 1 + hexFiles.size() + (s.generate_vectorfile == 1 ? 1 : 0);
  if (files.size() != expectedCount)
    return "files " + Names(files) + " for the settings " + s.ToString();
  for (const auto& [name, table] : hexFiles) {
    const auto f = files.find(name);
    if (f == files.end()) return name + " missing";
    problem = e2echeck::HexProblem(f->second, s, table);
    if (!problem.empty()) return name + ": " + problem;
  }
  if (s.generate_vectorfile == 1) {
    const auto f = files.find(vecName);
    if (f == files.end()) return vecName + " missing";
    problem = e2echeck::VectorProblem(f->second, s);
    if (!problem.empty()) return vecName + ": " + problem;
  }

  // Opened again and finished at once, the description gives the same result, byte for byte.
  const auto again = testsupport::RunWizard({design}, "click Finish\n");
  if (again.exitStatus != 0 || !again.err.empty())
    return "reading the description again: exit " + std::to_string(again.exitStatus) +
           ", stderr: " + again.err;
  const auto filesAgain = DirectoryContent(dir.Path());
  if (filesAgain != files) {
    for (const auto& [name, content] : files) {
      const auto f = filesAgain.find(name);
      if (f == filesAgain.end()) return "reading the description again removed " + name;
      if (f->second != content) return "reading the description again changed " + name;
    }
    return "reading the description again wrote " + Names(filesAgain) + " instead of " +
           Names(files);
  }
  return {};
}

struct Outcome {
  std::string problem;  // empty: all well
  int exitStatus = -1;
  std::string out;
  std::string err;
};

Outcome RunScript(const Script& script) {
  Outcome outcome;
  testsupport::TempDir dir;
  const std::string design = dir.Dir() + script.designBase + script.designExtension;
  if (script.old != OldDescription::None)
    testsupport::WriteFileText(dir.Path() / (script.designBase + ".cnx"), script.oldText);
  std::vector<std::string> args = script.options;
  args.push_back(design);
  testsupport::RunOptions options;
  options.args = args;
  options.input = script.events;
  options.workingDirectory = dir.Path().string();
  try {
    const auto r = testsupport::RunWizardBinary(options);
    outcome.exitStatus = r.exitStatus;
    outcome.out = r.out;
    outcome.err = r.err;
    const bool described = script.old != OldDescription::None;
    if (HasSanitizerReport(r.err)) {
      outcome.problem = "sanitizer report";
    } else if (r.exitStatus != 0 && r.exitStatus != 1 && r.exitStatus != 2 && r.exitStatus != 255) {
      outcome.problem = "exit status " + std::to_string(r.exitStatus);
    } else if ((r.exitStatus == 1) != (!script.newFile && !described)) {
      // With a file system that works, a run fails to start only for want of a description.
      outcome.problem = "exit status " + std::to_string(r.exitStatus) +
                        (script.newFile || described ? " though the run could start"
                                                     : " though there is no description");
    } else if (r.exitStatus == 255 && !script.backLeavesFirstPage) {
      outcome.problem = "backed out of the first page without a page offset";
    } else if (r.exitStatus == 0 || r.exitStatus == 255) {
      outcome.problem = CheckFinished(script, dir, design);
    } else {
      // Cancelled: the description is deleted and nothing is generated. Not started: nothing
      // is touched.
      const auto files = DirectoryContent(dir.Path());
      const bool untouched =
          r.exitStatus == 1 &&
          (!described || (files.size() == 1 && files.begin()->second == script.oldText));
      if (!files.empty() && !untouched)
        outcome.problem = "exit " + std::to_string(r.exitStatus) + " left " + Names(files);
    }
  } catch (const std::exception& e) {
    outcome.problem = std::string("cannot run the wizard: ") + e.what();
  }
  return outcome;
}

// Bytes as a C string literal would show them, so that a failure report is exact.
std::string Escaped(const std::string& text) {
  std::ostringstream out;
  for (unsigned char c : text) {
    if (c == '\n') {
      out << "\\n\n";
    } else if (c == '\\') {
      out << "\\\\";
    } else if (c >= 32 && c < 127) {
      out << c;
    } else {
      out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << static_cast<int>(c)
          << std::dec;
    }
  }
  return out.str();
}

// Saves the failing script's input where it can be replayed by hand; returns the directory.
std::string Keep(const Script& script, std::uint64_t seed) {
  const char* base = std::getenv("RSWIZARD_RANDOM_KEEP");
  const std::filesystem::path dir =
      std::filesystem::path(base && *base ? base : "random-wizard-failures") /
      ("seed-" + std::to_string(seed) + "-run-" + std::to_string(script.number));
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  testsupport::WriteFileText(dir / "events", script.events);
  if (script.old != OldDescription::None)
    testsupport::WriteFileText(dir / (script.designBase + ".cnx"), script.oldText);
  std::string args;
  for (const auto& a : script.options) args += a + " ";
  testsupport::WriteFileText(dir / "args",
                             args + "DIR/" + script.designBase + script.designExtension + "\n");
  return std::filesystem::absolute(dir, ignored).string();
}

std::string Report(const Script& script, const Outcome& outcome, std::uint64_t seed) {
  std::ostringstream out;
  out << "script " << script.number << " of seed " << seed << ": " << outcome.problem
      << "\n  replay: RSWIZARD_RANDOM_SEED=" << seed << " RSWIZARD_RANDOM_ONLY=" << script.number
      << "\n  saved in: " << Keep(script, seed) << "\n  command line:";
  for (const auto& a : script.options) out << " " << a;
  out << " DIR/" << script.designBase << script.designExtension << "\n  exit status "
      << outcome.exitStatus << "\n";
  if (script.old != OldDescription::None)
    out << "  old description:\n" << Escaped(script.oldText) << "\n";
  out << "  events:\n" << Escaped(script.events) << "\n  stderr:\n" << outcome.err.substr(0, 6000);
  return out.str();
}

// The checks below must pass on known-good files and catch one wrong symbol; a check that
// cannot fail would let every random run pass.
std::string Golden(const std::string& name) {
  return testsupport::ReadFileText(std::filesystem::path(RS_GOLDEN_DIR) / name);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(WizardOutputChecks, MemoryTables) {
  const Settings s{4, 5, 4, 19, 2, 0, 1, 1, 1};
  const std::string inv = Golden("rsmath/inv_4_19.hex");
  EXPECT_EQ(e2echeck::HexProblem(inv, s, e2echeck::Table::Inverse), "");
  // The inverse of 2 is 9 (checksum f4); 8 with its right checksum is still wrong.
  EXPECT_NE(e2echeck::HexProblem(Replaced(inv, ":0100020009f4", ":0100020008f5"), s,
                                 e2echeck::Table::Inverse),
            "");
  EXPECT_NE(e2echeck::HexProblem(Replaced(inv, ":0100020009f4", ":0100020009f5"), s,
                                 e2echeck::Table::Inverse),
            "");
  const std::string evnum = Golden("rsmath/evnum_4_19_2.hex");
  EXPECT_EQ(e2echeck::HexProblem(evnum, s, e2echeck::Table::Evnum), "");
  Settings other = s;
  other.genstart = 3;
  EXPECT_NE(e2echeck::HexProblem(evnum, other, e2echeck::Table::Evnum), "");
  EXPECT_NE(e2echeck::HexProblem(evnum.substr(0, evnum.size() - 12), s, e2echeck::Table::Evnum),
            "");
}

TEST(WizardOutputChecks, VectorFiles) {
  const Settings encoder{4, 15, 4, 19, 0, 1, 0, 0, 1};
  const std::string enc = Golden("rsmath/encoder_4_15_4.vec");
  EXPECT_EQ(e2echeck::VectorProblem(enc, encoder), "");
  EXPECT_NE(e2echeck::VectorProblem(Replaced(enc, "1500> 0 = 15", "1500> 0 = 14"), encoder), "");
  EXPECT_NE(e2echeck::VectorProblem(Replaced(enc, "400> 8 = 9", "400> 8 = 8"), encoder), "");
  Settings shifted = encoder;
  shifted.genstart = 1;
  EXPECT_NE(e2echeck::VectorProblem(enc, shifted), "");

  const Settings streaming{4, 15, 4, 19, 0, 0, 0, 1, 1};
  const std::string str = Golden("rsmath/streaming_4_15_4.vec");
  EXPECT_EQ(e2echeck::VectorProblem(str, streaming), "");
  // Codeword 5 begins 10, 6, 2 at 21600.
  EXPECT_NE(e2echeck::VectorProblem(Replaced(str, "21800> 2\n", "21800> 3\n"), streaming), "");
  Settings discrete = streaming;
  discrete.Disc_Stream = 1;
  EXPECT_NE(e2echeck::VectorProblem(str, discrete), "");
}

TEST(WizardOutputChecks, Descriptions) {
  const std::string dvb = Golden("rswizard/dvb_decoder.cnx");
  const auto lines = e2echeck::ReadValueLines(dvb);
  const Settings s = e2echeck::RecordedSettings(lines);
  EXPECT_TRUE(e2echeck::SameRecorded(s, Settings{8, 204, 16, 285, 0, 0, 1, 1, 1})) << s.ToString();
  EXPECT_EQ(e2echeck::RangeProblem(s), "");
  EXPECT_EQ(e2echeck::DescriptionProblem(dvb, lines, s), "");
  const std::string wrongRoot = Replaced(dvb, "root5 NUMERIC \"16\"", "root5 NUMERIC \"17\"");
  EXPECT_NE(e2echeck::DescriptionProblem(wrongRoot, e2echeck::ReadValueLines(wrongRoot), s), "");

  const std::string enc = Golden("rswizard/new_encoder.cnx");
  const auto encLines = e2echeck::ReadValueLines(enc);
  const Settings e = e2echeck::RecordedSettings(encLines);
  EXPECT_TRUE(e2echeck::SameRecorded(e, e2echeck::kNewDesign)) << e.ToString();
  EXPECT_EQ(e2echeck::DescriptionProblem(enc, encLines, e), "");
  const std::string wrongGg = Replaced(enc, "gg2 NUMERIC \"3\"", "gg2 NUMERIC \"2\"");
  EXPECT_NE(e2echeck::DescriptionProblem(wrongGg, e2echeck::ReadValueLines(wrongGg), e), "");
}

TEST(WizardOutputChecks, MendingFollowsTheDocumentedExamples) {
  Settings s;
  s.m = 20;
  s.n = 999;
  EXPECT_EQ(e2echeck::Mended(s).m, 8);
  EXPECT_EQ(e2echeck::Mended(s).n, 255);
  s = Settings{};
  s.irrpol = 285;
  EXPECT_EQ(e2echeck::Mended(s).irrpol, 19);
  s = Settings{};
  s.check = 40;
  EXPECT_EQ(e2echeck::Mended(s).check, 14);
  EXPECT_EQ(e2echeck::Mended(s).n, 15);
  s = Settings{};
  s.genstart = 12;
  EXPECT_EQ(e2echeck::Mended(s).genstart, 11);
  EXPECT_EQ(e2echeck::RangeProblem(e2echeck::Mended(Settings{0, -5, 99, 7, -1, 3, 9, -2, 5})), "");
}

TEST(RandomWizardRuns, EveryRunEndsWellAndFinishedRunsLeaveValidFiles) {
  const std::uint64_t seed = EnvNumber("RSWIZARD_RANDOM_SEED", 20240611);
  const std::uint64_t runs = EnvNumber("RSWIZARD_RANDOM_RUNS", 200);
  const char* only = std::getenv("RSWIZARD_RANDOM_ONLY");
  const std::uint64_t jobs = std::clamp<std::uint64_t>(EnvNumber("RSWIZARD_RANDOM_JOBS", 2), 1, 16);

  std::vector<std::uint64_t> numbers;
  if (only && *only) {
    numbers.push_back(std::strtoull(only, nullptr, 10));
  } else {
    for (std::uint64_t i = 0; i < runs; ++i) numbers.push_back(i);
  }

  std::atomic<std::size_t> next{0};
  std::mutex mutex;
  std::vector<std::string> failures;
  std::map<int, int> exits;
  int checkedFinishes = 0;
  auto worker = [&] {
    for (std::size_t i = next++; i < numbers.size(); i = next++) {
      const Script script = ScriptMaker(seed, numbers[i]).Make(numbers[i]);
      const Outcome outcome = RunScript(script);
      std::lock_guard<std::mutex> lock(mutex);
      ++exits[outcome.exitStatus];
      if (outcome.problem.empty() && (outcome.exitStatus == 0 || outcome.exitStatus == 255))
        ++checkedFinishes;
      if (!outcome.problem.empty()) failures.push_back(Report(script, outcome, seed));
      if (failures.size() >= 20) next = numbers.size();  // enough to go on with
    }
  };
  std::vector<std::thread> threads;
  for (std::uint64_t j = 0; j < jobs; ++j) threads.emplace_back(worker);
  for (auto& t : threads) t.join();

  std::cout << numbers.size() << " scripts (seed " << seed << "); exit statuses:";
  for (const auto& [status, count] : exits) std::cout << " " << status << "x" << count;
  std::cout << "; " << checkedFinishes << " finished runs checked and read back\n";
  for (const std::string& failure : failures) ADD_FAILURE() << failure;
  // A batch in which nothing finishes checks nothing of the output: the generator is broken.
  if (numbers.size() >= 50) {
    EXPECT_GT(checkedFinishes, static_cast<int>(numbers.size() / 5));
  }
}

}  // namespace
