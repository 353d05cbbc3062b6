#include <sys/stat.h>
#include <filesystem>

#include <gtest/gtest.h>

#include "host/summary_page.h"
#include "tests/host/wizard_test_support.h"

namespace {

using hosttest::PlainWizard;
using hosttest::ScriptedUi;
using testsupport::TempDir;

class WizardRunTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ResetProcessState(); }
  void TearDown() override { host::ResetProcessState(); }

  std::string Design(const char* name = "rs.tdf") { return (dir.Path() / name).string(); }
  std::string Cnx() { return (dir.Path() / "rs.cnx").string(); }

  // A one-page run of a new design in which the user asks for help, then finishes.
  void RunPressingHelp() {
    PlainWizard wizard(description, 1);
    ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
      h.OnHelpCommand(d);
      h.OnClicked(d, host::kFinishButton);
    });
    wizard.RunWizard({"-n", Design()});
  }

  TempDir dir;
  ScriptedUi ui;
  testsupport::FakeProcess process;
  platform::PosixFileSystem files;
  platform::ScopedPlatform scoped{&files, &process, &ui};
  description::WizardDescription description;
};

TEST_F(WizardRunTest, NoDesignFileIsRefused) {
  PlainWizard wizard(description);
  EXPECT_EQ(wizard.RunWizard({}), 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Corvex Plug-In Manager");
  EXPECT_EQ(ui.messages[0].text, "Can't start the wizard -- no design file has been specified");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(WizardRunTest, NoPagesIsRefused) {
  PlainWizard wizard(description, 0);
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Wizard has no valid pages");
}

TEST_F(WizardRunTest, ExtensionsAreCaseSensitive) {
  for (const char* name : {"rs.TDF", "rs.vhdl", "rs.Vhd"}) {
    ui.messages.clear();
    PlainWizard wizard(description);
    EXPECT_EQ(wizard.RunWizard({"-n", Design(name)}), 1) << name;
    ASSERT_EQ(ui.messages.size(), 1u) << name;
    EXPECT_EQ(ui.messages[0].text,
              "Can't start the wizard -- illegal extension in design file name");
  }
  for (const char* name : {"rs.v", "rs.vhd", "rs.tdf"}) {
    ui.messages.clear();
    PlainWizard wizard(description);
    EXPECT_EQ(wizard.RunWizard({"-n", Design(name)}), host::NavCancel) << name;
    EXPECT_TRUE(ui.messages.empty()) << name;
  }
}

TEST_F(WizardRunTest, ExistingDesignWithoutDescriptionIsRefused) {
  PlainWizard wizard(description);
  EXPECT_EQ(wizard.RunWizard({Design()}), 1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't open file " + Cnx());
}

TEST_F(WizardRunTest, ExistingDescriptionIsReadAndPagesLoad) {
  testsupport::WriteFileText(Cnx(), "PRIVATE: Enc_Dec NUMERIC \"0\"\n");
  PlainWizard wizard(description);
  ui.Click(host::kFinishButton);
  EXPECT_EQ(wizard.RunWizard({"   " + Design()}), host::NavFinish);
  EXPECT_EQ(wizard.DesignPath(), Design()) << "leading blanks are removed";
  EXPECT_EQ(wizard.plainPages[0].loads, 1);
  EXPECT_EQ(wizard.plainPages[3].loads, 1);
}

TEST_F(WizardRunTest, NewFileReadsNothingEvenIfADescriptionExists) {
  testsupport::WriteFileText(Cnx(), "PRIVATE: Enc_Dec NUMERIC \"0\"\n");
  PlainWizard wizard(description);
  wizard.RunWizard({"-n", Design()});
  EXPECT_EQ(wizard.plainPages[0].loads, 0);
}

TEST_F(WizardRunTest, TitlesCountTheManagerPages) {
  PlainWizard wizard(description);
  for (int i = 0; i < 4; ++i) ui.Click(host::kNextButton);
  EXPECT_EQ(wizard.RunWizard({"-n", "-p2", Design()}), host::NavFinish);
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_EQ(ui.shown[0].caption, "Corvex Plug-In Manager - RS CODEC - 1.00 [page 3 of 6]");
  EXPECT_EQ(ui.shown[3].caption, "Corvex Plug-In Manager - RS CODEC - 1.00 [page 6 of 6]");
}

TEST_F(WizardRunTest, TitleIsUpperCaseAndTemplateCaptionFollows) {
  description::WizardDescription d;
  struct CaptionWizard : host::WizardApp {
    explicit CaptionWizard(description::WizardDescription& d)
        : WizardApp("Rs Codec - 1.00", nullptr, d) {
      AddPage(std::make_unique<hosttest::PlainPage>(200, 100, "Choose"));
    }
  } wizard(d);
  wizard.RunWizard({"-n", Design()});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption,
            "Corvex Plug-In Manager - RS CODEC - 1.00 [page 1 of 1] -- Choose");
}

TEST_F(WizardRunTest, FinishOnFirstPageWritesAndExitsZero) {
  PlainWizard wizard(description);
  ui.Click(host::kFinishButton);
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavFinish);
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(wizard.plainPages[0].stores, 1);
  EXPECT_EQ(testsupport::ReadFileText(Cnx()),
            "GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: default\n\n");
}

TEST_F(WizardRunTest, BackOutWithOffsetWritesAndExitsMinusOne) {
  PlainWizard wizard(description);
  ui.Click(host::kBackButton);
  EXPECT_EQ(wizard.RunWizard({"-n", "-p1", Design()}), host::NavBack);
  EXPECT_TRUE(std::filesystem::exists(Cnx()));
}

TEST_F(WizardRunTest, BackIsDisabledOnFirstPageWithoutOffset) {
  PlainWizard wizard(description);
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler&) {
    EXPECT_FALSE(d.IsEnabled(host::kBackButton));
    EXPECT_TRUE(d.Find(host::kNextButton)->defaultLook);
    EXPECT_FALSE(d.Find(host::kFinishButton)->defaultLook);
  });
  wizard.RunWizard({"-n", Design()});
  ASSERT_EQ(ui.shown.size(), 1u);
}

TEST_F(WizardRunTest, CancelDeletesTheDescription) {
  testsupport::WriteFileText(Cnx(), "");
  PlainWizard wizard(description);
  ui.Click(host::kNextButton);
  ui.Click(host::kCancelButton);
  EXPECT_EQ(wizard.RunWizard({Design()}), host::NavCancel);
  EXPECT_FALSE(std::filesystem::exists(Cnx()));
  EXPECT_EQ(wizard.plainPages[0].stores, 0);
}

TEST_F(WizardRunTest, CancelWithoutDescriptionIsQuiet) {
  PlainWizard wizard(description);
  ui.actions.push_back(
      [](platform::Dialog& d, platform::DialogHandler& h) { h.OnCancelCommand(d); });
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavCancel);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(WizardRunTest, ReadOnlyDescriptionIsReportedAndExitStaysZero) {
  testsupport::WriteFileText(Cnx(), "");
  ::chmod(Cnx().c_str(), 0444);
  PlainWizard wizard(description);
  ui.Click(host::kFinishButton);
  EXPECT_EQ(wizard.RunWizard({Design()}), host::NavFinish);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Corvex Plug-In Manager");
  EXPECT_EQ(ui.messages[0].text, "Can't write file " + Cnx());
  EXPECT_EQ(testsupport::ReadFileText(Cnx()), "");
}

TEST_F(WizardRunTest, WriteFailureIsReportedNotTakenForSuccess) {
  testsupport::FaultyFileSystem faulty;
  faulty.FailNth(testsupport::FileOp::Close, 1, ENOSPC, "rs.cnx");
  platform::ScopedPlatform withFaults{&faulty, nullptr, nullptr};
  PlainWizard wizard(description);
  ui.Click(host::kFinishButton);
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavFinish);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Can't write file " + Cnx());
  EXPECT_FALSE(std::filesystem::exists(Cnx())) << "a description that failed to flush was kept";
}

TEST_F(WizardRunTest, FailedReplacementKeepsTheOldDescription) {
  testsupport::WriteFileText(Cnx(), "MODULE: old\n");
  testsupport::FaultyFileSystem faulty;
  faulty.FailNth(testsupport::FileOp::Rename, 1, EIO, "rs.cnx");
  platform::ScopedPlatform withFaults{&faulty, nullptr, nullptr};
  PlainWizard wizard(description);
  ui.Click(host::kFinishButton);
  EXPECT_EQ(wizard.RunWizard({Design()}), host::NavFinish);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Corvex Plug-In Manager");
  EXPECT_EQ(ui.messages[0].text, "Can't write file " + Cnx());
  EXPECT_EQ(testsupport::ReadFileText(Cnx()), "MODULE: old\n");
  EXPECT_EQ(faulty.Count(testsupport::FileOp::Remove), 1) << "the replacement was removed";
}

TEST_F(WizardRunTest, HiddenPagesAreSkippedInTheDirectionOfTravel) {
  PlainWizard wizard(description);
  wizard.plainPages[1].shown = false;
  ui.Click(host::kNextButton);  // page 1 -> 2 (hidden) -> 3
  ui.Click(host::kBackButton);  // page 3 -> 2 (hidden) -> 1
  ui.Click(host::kCancelButton);
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavCancel);
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_NE(ui.shown[1].caption.find("[page 3 of 4]"), std::string::npos);
  EXPECT_NE(ui.shown[2].caption.find("[page 1 of 4]"), std::string::npos);
}

TEST_F(WizardRunTest, SkippingFirstPageBackwardIsABackOut) {
  PlainWizard wizard(description);
  wizard.plainPages[0].shown = false;
  ui.Click(host::kBackButton);  // on page 2
  EXPECT_EQ(wizard.RunWizard({"-n", "-p1", Design()}), host::NavBack);
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(Cnx()));
}

TEST_F(WizardRunTest, RefusedFinishShowsTheSamePageAgain) {
  PlainWizard wizard(description);
  wizard.canFinish = false;
  wizard.finishRefusals = 1;
  ui.Click(host::kNextButton);
  ui.Click(host::kFinishButton);
  ui.Click(host::kFinishButton);
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavFinish);
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(ui.shown[1].caption, ui.shown[2].caption);
}

TEST_F(WizardRunTest, SinglePageIsAFirstPageAndNextFinishes) {
  PlainWizard wizard(description, 1);
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    EXPECT_TRUE(d.IsEnabled(host::kNextButton));
    h.OnClicked(d, host::kNextButton);
  });
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavFinish);
}

TEST_F(WizardRunTest, LastPageDisablesNext) {
  PlainWizard wizard(description, 2);
  ui.Click(host::kNextButton);
  ui.actions.push_back([](platform::Dialog& d, platform::DialogHandler& h) {
    EXPECT_FALSE(d.IsEnabled(host::kNextButton));
    EXPECT_TRUE(d.Find(host::kFinishButton)->defaultLook);
    h.OnOkCommand(d);  // Enter keeps the code the page holds: Next for a page not left before
  });
  EXPECT_EQ(wizard.RunWizard({"-n", Design()}), host::NavFinish);
}

TEST_F(WizardRunTest, OneNoticePerPressOnlyWithThreadOption) {
  {
    PlainWizard wizard(description);
    ui.Click(host::kNextButton);
    ui.Click(host::kCancelButton);
    wizard.RunWizard({"-n", Design()});
    EXPECT_TRUE(process.notices.empty());
  }
  host::ResetProcessState();
  PlainWizard wizard(description);
  ui.Click(host::kNextButton);
  ui.Click(host::kBackButton);
  ui.Click(host::kNextButton);
  ui.Click(host::kFinishButton);
  wizard.RunWizard({"-n", "-h77", "-x900", "-y700", Design()});
  ASSERT_EQ(process.notices.size(), 4u);
  for (const auto& n : process.notices) {
    EXPECT_EQ(n.threadId, 77);
    EXPECT_EQ(n.message, 1034);
    EXPECT_EQ(n.x, 900);
    EXPECT_EQ(n.y, 700);
  }
}

TEST_F(WizardRunTest, SummaryListsTheManagersFiles) {
  struct SummaryWizard : host::WizardApp {
    explicit SummaryWizard(description::WizardDescription& d)
        : WizardApp("RS CODEC - 1.00", nullptr, d) {}
    bool SetUpPages() override {
      AddSummaryPage();
      return WizardApp::SetUpPages();
    }
  };
  const auto listed = [&](std::vector<std::string> words) {
    ui.shown.clear();
    SummaryWizard wizard(description);
    wizard.RunWizard(words);
    for (const auto& c : ui.shown.at(0).controls)
      if (c.id == host::kSummaryFileList) return c.items;
    return std::vector<std::string>{};
  };
  EXPECT_EQ(listed({"-n", "C:\\w\\rs.tdf"}),
            (std::vector<std::string>{"C:\\w\\rs.tdf", "C:\\w\\rs.inc", "C:\\w\\rs.cmp"}));
  EXPECT_EQ(listed({"-n", "-symbol", "C:\\w\\rs.tdf"}),
            (std::vector<std::string>{"C:\\w\\rs.tdf", "C:\\w\\rs.inc", "C:\\w\\rs.cmp",
                                      "C:\\w\\rs.sym"}));
  EXPECT_EQ(listed({"-n", "C:/w/rs.vhd"}),
            (std::vector<std::string>{"C:\\w\\rs.vhd", "C:\\w\\rs.inc", "C:\\w\\rs.cmp"}));
}

TEST_F(WizardRunTest, SummaryEnterMovesOn) {
  host::SummaryPage page("D:\\x\\");
  page.AppendFile("a.tdf");
  page.AppendFile("sub/b.inc\nc.cmp");
  EXPECT_EQ(page.ListedFiles(),
            (std::vector<std::string>{"D:\\x\\a.tdf", "sub\\b.inc", "D:\\x\\c.cmp"}));
}

TEST_F(WizardRunTest, MissingHelpFileIsReported) {
  process.executablePath = (dir.Path() / "rswizard").string();
  RunPressingHelp();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Can't find the Tessaron help file " + (dir.Path() / "rswizard.hlp").string());
  EXPECT_TRUE(ui.helpShown.empty());
}

TEST_F(WizardRunTest, ExistingHelpFileIsShownAtTheTitle) {
  process.executablePath = (dir.Path() / "rswizard").string();
  testsupport::WriteFileText(dir.Path() / "rswizard.hlp", "help");
  RunPressingHelp();
  EXPECT_TRUE(ui.messages.empty());
  ASSERT_EQ(ui.helpShown.size(), 1u);
  EXPECT_EQ(ui.helpShown[0], (dir.Path() / "rswizard.hlp").string() + "#RS CODEC - 1.00");
}

TEST_F(WizardRunTest, HelpFileBesideTheProgramThenInTheInstalledDataDirectory) {
  process.executablePath = (dir.Path() / "bin" / "rswizard").string();
  const std::string beside = (dir.Path() / "bin" / "rswizard.hlp").string();
  const std::string installed = (dir.Path() / "bin/../share/rswizard/rswizard.hlp").string();
  for (const char* folder : {"bin", "share/rswizard"})
    std::filesystem::create_directories(dir.Path() / folder);
  // Installed copy only, then a copy beside the program too: that one wins.
  for (const std::string& expected : {installed, beside}) {
    testsupport::WriteFileText(expected, "help");
    ui.helpShown.clear();
    ui.messages.clear();
    RunPressingHelp();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.helpShown, std::vector<std::string>{expected + "#RS CODEC - 1.00"});
  }
}

TEST_F(WizardRunTest, MissingPageIsFatal) {
  PlainWizard wizard(description, 1);
  try {
    wizard.AddPage(nullptr);
    FAIL() << "AddPage of a missing page must end the process";
  } catch (const testsupport::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Fatal error (assertion failed). The application is unable to continue. Please press "
            "OK to exit.");
  EXPECT_EQ(ui.messages[0].caption, " - RS CODEC - 1.00");
}

}  // namespace
