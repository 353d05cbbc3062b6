// Every step of writing the files of a decoder's Finish (each open, write, close and rename)
// made to fail in turn, with each of three errors: the run ends as the failing file asks, and
// every file left in the design directory is either the old one or the complete new one.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/nav_code.h"
#include "host/wizard_page.h"
#include "rswizard/codec_type_page.h"
#include "tests/rswizard/rs_emission_support.h"

namespace {

using testsupport::FileOp;

// A decoder's Finish: how the run is started and played, and the files it writes, in order,
// with what was there before (none when the map has no entry) and the golden file each must
// equal when the run succeeds.
struct Scenario {
  std::string name;
  bool newDesign;
  std::function<void(hosttest::ScriptedUi&)> script;
  std::vector<std::string> files;
  std::map<std::string, std::string> old;
  std::map<std::string, std::string> golden;
};

std::string ExampleText(const std::string& example) {
  return testsupport::ReadFileText(std::filesystem::path(RS_SOURCE_DIR) / "examples" / example);
}

// The example's description as an older run left it: the same settings, no symbol yet, so
// that the old file and the one written over it differ.
std::string OlderDescription(const std::string& example) {
  const std::string text = ExampleText(example);
  return text.substr(0, text.find("\nSYMBOL:") + 1);
}

// The half streaming decoder of the example, re-finished over the files of an earlier run.
Scenario StreamingOverOldFiles() {
  Scenario s;
  s.name = "streaming decoder over old files";
  s.newDesign = false;
  s.script = [](hosttest::ScriptedUi& ui) { ui.Click(host::kFinishButton); };
  s.files = {"inv_4_19.hex", "evnum_4_19_2.hex", "rs.vec", "rs.cnx"};
  s.old = {{"inv_4_19.hex", ":00000001ff\n"},
           {"evnum_4_19_2.hex", "an old evnum table\n"},
           {"rs.vec", "% an old vector file %\n"},
           {"rs.cnx", OlderDescription("streaming_half_decoder.cnx")}};
  s.golden = {{"inv_4_19.hex", "rsmath/inv_4_19.hex"},
              {"evnum_4_19_2.hex", "rsmath/evnum_4_19_2.hex"},
              {"rs.cnx", "rswizard/streaming_half_decoder.cnx"}};
  return s;
}

// A new design switched to decoder on the first page: the full discrete decoder, nothing there
// before.
Scenario NewDiscreteDecoder() {
  Scenario s;
  s.name = "new discrete decoder";
  s.newDesign = true;
  s.script = [](hosttest::ScriptedUi& ui) {
    ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
      h.OnClicked(d, rswizard::kDecoderRadio);
      h.OnClicked(d, host::kFinishButton);
    });
  };
  s.files = {"inv_4_19.hex", "evnum_4_19_0.hex", "rs.vec", "rs.cnx"};
  s.golden = {{"inv_4_19.hex", "rsmath/inv_4_19.hex"},
              {"evnum_4_19_0.hex", "rsmath/evnum_4_19_0.hex"},
              {"rs.vec", "rsmath/discrete_default.vec"}};
  return s;
}

struct Outcome {
  std::optional<int> exitStatus;  // set when the run ended the process
  int navCode = -99;              // what the run returned otherwise
  std::vector<testsupport::ShownMessage> messages;
  std::map<std::string, std::string> files;  // everything in the design directory, by name
};

struct Fault {
  FileOp op;
  int nth;
  int error;
};

std::string Describe(const Fault& fault) {
  static const char* const kOps[] = {"open", "write", "close", "rename", "remove"};
  return std::string(kOps[static_cast<int>(fault.op)]) + " #" + std::to_string(fault.nth) +
         " fails with " + std::strerror(fault.error);
}

std::string FatalText(const std::string& path) {
  return "Unable to open the file " + path +
         " for writting\n The program can not continue\n\nPress OK to Exit";
}

class RsFileFaultTest : public rstest::RsWizardTest {
 protected:
  // The design directory as the scenario finds it.
  void Prepare(const Scenario& s) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
      std::filesystem::remove_all(entry.path());
    for (const auto& [name, text] : s.old) testsupport::WriteFileText(File(name), text);
  }

  std::map<std::string, std::string> DirectoryContent() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
      files[entry.path().filename().string()] = testsupport::ReadFileText(entry.path());
    return files;
  }

  Outcome Run(const Scenario& s, testsupport::FaultyFileSystem& faulty) {
    Prepare(s);
    Fresh();
    ui.messages.clear();
    ui.actions.clear();
    ui.shown.clear();
    s.script(ui);
    platform::ScopedPlatform withFaults{&faulty, nullptr, nullptr};
    // Fresh stores and symbol for every run; too big for the stack.
    auto stores = std::make_unique<description::WizardDescription>();
    auto symbol = std::make_unique<symbol::SymbolModel>();
    std::vector<std::string> words = {Design()};
    if (s.newDesign) words.insert(words.begin(), "-n");
    Outcome outcome;
    try {
      rswizard::RsWizardApp app(*symbol, *stores);
      outcome.navCode = app.RunWizard(words);
    } catch (const testsupport::ExitCalled& exit) {
      outcome.exitStatus = exit.code;
    }
    outcome.messages = ui.messages;
    outcome.files = DirectoryContent();
    return outcome;
  }

  // The run without a fault: every file complete, each written with exactly one open, write,
  // close and rename, in the scenario's order. Returns the files it left.
  std::map<std::string, std::string> CleanRun(const Scenario& s) {
    testsupport::FaultyFileSystem counting;
    const Outcome clean = Run(s, counting);
    EXPECT_FALSE(clean.exitStatus.has_value());
    EXPECT_EQ(clean.navCode, host::NavFinish);
    EXPECT_TRUE(clean.messages.empty());
    std::vector<std::string> paths;
    for (const std::string& name : s.files) paths.push_back(File(name).string());
    EXPECT_EQ(counting.opened, paths);
    for (const FileOp op : {FileOp::Open, FileOp::Write, FileOp::Close, FileOp::Rename})
      EXPECT_EQ(counting.Count(op), static_cast<int>(s.files.size()));
    EXPECT_EQ(counting.Count(FileOp::Remove), 0) << "nothing to clean up";
    EXPECT_EQ(clean.files.size(), s.files.size()) << "nothing but the files written";
    for (const std::string& name : s.files) {
      EXPECT_EQ(clean.files.count(name), 1u) << name;
      const auto old = s.old.find(name);
      if (old != s.old.end()) {
        EXPECT_NE(clean.files.at(name), old->second) << name;
      }
    }
    for (const auto& [name, golden] : s.golden)
      EXPECT_TRUE(testsupport::MatchesGolden(golden, clean.files.at(name)));
    return clean.files;
  }

  // The n-th of each step belongs to the n-th file. Files before it are complete; it and the
  // rest are as they were.
  void ExpectFaultOutcome(const Scenario& s, const Fault& fault, const Outcome& outcome,
                          const std::map<std::string, std::string>& complete) {
    const std::size_t failing = static_cast<std::size_t>(fault.nth - 1);
    const std::string path = File(s.files[failing]).string();
    ASSERT_EQ(outcome.messages.size(), 1u);
    const testsupport::ShownMessage& shown = outcome.messages[0];
    EXPECT_FALSE(shown.hadOwner);
    if (s.files[failing] != "rs.cnx") {
      EXPECT_EQ(outcome.exitStatus, std::optional<int>(1));
      EXPECT_EQ(shown.caption, "Error");
      EXPECT_EQ(shown.text, FatalText(path));
    } else {
      EXPECT_FALSE(outcome.exitStatus.has_value()) << "a description failure is not fatal";
      EXPECT_EQ(outcome.navCode, host::NavFinish);
      EXPECT_EQ(shown.caption, "Corvex Plug-In Manager");
      EXPECT_EQ(shown.text, "Can't write file " + path);
    }
    std::map<std::string, std::string> expected;
    for (std::size_t i = 0; i < s.files.size(); ++i) {
      const std::string& name = s.files[i];
      if (i < failing) {
        expected[name] = complete.at(name);
      } else if (s.old.count(name)) {
        expected[name] = s.old.at(name);
      }
    }
    EXPECT_EQ(outcome.files, expected);
  }

  // Every fault of the scenario; returns how many were run.
  int RunEveryFault(const Scenario& s) {
    const std::map<std::string, std::string> complete = CleanRun(s);
    int cases = 0;
    for (const FileOp op : {FileOp::Open, FileOp::Write, FileOp::Close, FileOp::Rename}) {
      for (int nth = 1; nth <= static_cast<int>(s.files.size()); ++nth) {
        for (const int error : {ENOSPC, EACCES, EIO}) {
          const Fault fault{op, nth, error};
          SCOPED_TRACE(s.name + ": " + Describe(fault));
          testsupport::FaultyFileSystem faulty;
          faulty.FailNth(op, nth, error);
          ExpectFaultOutcome(s, fault, Run(s, faulty), complete);
          ++cases;
        }
      }
    }
    return cases;
  }
};

TEST_F(RsFileFaultTest, StreamingDecoderOverOldFilesKeepsEachOldFileOrCompletesIt) {
  EXPECT_EQ(RunEveryFault(StreamingOverOldFiles()), 4 * 4 * 3);
}

TEST_F(RsFileFaultTest, NewDiscreteDecoderLeavesOnlyCompleteFiles) {
  EXPECT_EQ(RunEveryFault(NewDiscreteDecoder()), 4 * 4 * 3);
}

// A fault aimed at one file by its name: the n-th rename of that file, not of the run.
TEST_F(RsFileFaultTest, RenameOfTheVectorFileFailsAlone) {
  const Scenario s = StreamingOverOldFiles();
  const std::map<std::string, std::string> complete = CleanRun(s);
  testsupport::FaultyFileSystem faulty;
  faulty.FailNth(FileOp::Rename, 1, EIO, "rs.vec");
  const Outcome outcome = Run(s, faulty);
  ExpectFaultOutcome(s, Fault{FileOp::Rename, 3, EIO}, outcome, complete);
  EXPECT_EQ(faulty.Count(FileOp::Rename), 3) << "the description was never tried";
  EXPECT_EQ(faulty.Count(FileOp::Remove), 1) << "the vector file's replacement was removed";
}

}  // namespace
