// The start of a run, through the real binary and the console backend.
#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace {

using testsupport::RunWizard;

TEST(Start, NoDesignFile) {
  const auto r = RunWizard({});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(
      r.err,
      "Corvex Plug-In Manager: Can't start the wizard -- no design file has been specified\n");
  EXPECT_EQ(r.out, "");
}

TEST(Start, UnknownOptionShowsHelpAndGoesOn) {
  testsupport::TempDir dir;
  const auto r = RunWizard({"-q", "-n", dir.Dir() + "rs.tdf"}, "click Cancel\n");
  const std::string help =
      "Corvex Plug-In Manager: Command line options:\\n\\n-n\\t\\tindicates that this is a new "
      "file (required)\\n<filename>\\tfull path to file that must be created "
      "(required)\\n\\n-h\\t\\t"
      "Specifies the thread ID of the calling program (optional)\\n-symbol\\tSpecifies that the "
      "calling program can generate a symbol file (optional)\\n-x\\t\\tSpecifies the screen x "
      "coordinate of the lower right corner (optional)\\n-y\\t\\tSpecifies the screen y coordinate "
      "of the lower right corner (optional)\\n-p\\t\\tSpecifies the first page offset (optional)\n";
  EXPECT_EQ(r.err.substr(0, help.size()), help);
  EXPECT_EQ(r.exitStatus, 2) << r.err;
}

TEST(Start, CapitalExtensionIsRefused) {
  const auto r = RunWizard({"-n", "x.TDF"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(
      r.err,
      "Corvex Plug-In Manager: Can't start the wizard -- illegal extension in design file name\n");
}

TEST(Start, ExistingDesignWithoutDescription) {
  testsupport::TempDir dir;
  const auto r = RunWizard({dir.Dir() + "rs.tdf"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "Corvex Plug-In Manager: Can't open file " + dir.Dir() + "rs.cnx\n");
}

TEST(Start, BadBackendChoiceFallsBackToTheConsole) {
  const auto r = RunWizard({}, "", {"RSWIZARD_UI=telepathy"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_NE(r.err.find("RSWIZARD_UI"), std::string::npos);
  EXPECT_NE(r.err.find("no design file has been specified"), std::string::npos);
}

}  // namespace
