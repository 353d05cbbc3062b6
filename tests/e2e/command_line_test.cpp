// Command lines as the manager might write them, through the real binary: which design the run
// takes, which options show the help text, and that the run goes on after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/e2e_session.h"

namespace {

namespace fs = std::filesystem;

const std::string kHelpLine =
    "Corvex Plug-In Manager: Command line options:\\n\\n-n\\t\\tindicates that this is a new "
    "file (required)\\n<filename>\\tfull path to file that must be created (required)\\n\\n-h\\t\\t"
    "Specifies the thread ID of the calling program (optional)\\n-symbol\\tSpecifies that the "
    "calling program can generate a symbol file (optional)\\n-x\\t\\tSpecifies the screen x "
    "coordinate of the lower right corner (optional)\\n-y\\t\\tSpecifies the screen y coordinate "
    "of the lower right corner (optional)\\n-p\\t\\tSpecifies the first page offset (optional)";

struct LineCase {
  const char* name;
  std::vector<std::string> args;  // {design} stands for the design path
  int helpLines;                  // help messages expected before the run
};

class CommandLine : public ::testing::TestWithParam<LineCase> {};

// Each command line must start a run on the design and finish it there.
TEST_P(CommandLine, RunsOnTheDesign) {
  e2e::Session session;
  std::vector<std::string> args;
  for (auto a : GetParam().args) {
    if (const auto at = a.find("{design}"); at != std::string::npos)
      a.replace(at, 8, session.Design());
    args.push_back(a);
  }
  const auto r = testsupport::RunWizard(args, "click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  std::vector<std::string> expected(static_cast<std::size_t>(GetParam().helpLines), kHelpLine);
  EXPECT_EQ(e2e::Lines(r.err), expected);
  EXPECT_TRUE(fs::is_regular_file(session.File("rs.cnx")));
}

const LineCase kLineCases[] = {
    {"Plain", {"-n", "{design}"}, 0},
    {"DesignFirst", {"{design}", "-n"}, 0},
    {"LeadingBlanks", {"-n", "   {design}"}, 0},
    {"SlashOptionWithDot", {"-n", "/{design}"}, 0},
    {"NewFileOptionWithTail", {"-newfile", "{design}"}, 0},
    {"SlashMarksOptions", {"/n", "/p2", "/x700", "/y500", "{design}"}, 0},
    {"TOptionIgnored", {"-tanything", "-n", "{design}"}, 0},
    {"SymbolOption", {"-symbol", "-n", "{design}"}, 0},
    {"SymbolsShowsHelp", {"-symbols", "-n", "{design}"}, 1},
    {"CapitalSymbolShowsHelp", {"-Symbol", "-n", "{design}"}, 1},
    {"CapitalNShowsHelp", {"-N", "-n", "{design}"}, 1},
    {"TwoUnknownOptions", {"-s", "-q", "-n", "{design}"}, 2},
};

INSTANTIATE_TEST_SUITE_P(CommandLine, CommandLine, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, SecondPlainWordIsTheDesign) {
  e2e::Session first;
  e2e::Session second;
  const auto r = testsupport::RunWizard({"-n", first.Design(), second.Design()}, "click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_FALSE(fs::exists(first.File("rs.cnx")));
  EXPECT_TRUE(fs::is_regular_file(second.File("rs.cnx")));
}

TEST(CommandLine, NewDesignDoesNotReadAnExistingDescription) {
  e2e::Session session;
  testsupport::WriteFileText(session.File("rs.cnx"),
                             "PRIVATE: Enc_Dec NUMERIC \"0\"\nCONSTANT: m NUMERIC \"6\"\n");
  const auto r = session.RunNew("click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  const auto d = session.Written();
  EXPECT_EQ(d.module, "RS_Enc");
  EXPECT_EQ(d.Constant("m"), "4");
}

TEST(CommandLine, VerilogAndVhdlDesignsAreAccepted) {
  for (const char* name : {"rs.v", "rs.vhd"}) {
    testsupport::TempDir dir;
    const auto r = testsupport::RunWizard({"-n", dir.Dir() + name}, "click Finish\n");
    EXPECT_EQ(r.exitStatus, 0) << name;
    EXPECT_EQ(r.err, "") << name;
    EXPECT_TRUE(fs::is_regular_file(dir.Path() / "rs.cnx")) << name;
  }
}

TEST(CommandLine, WrongExtensionsAreRefused) {
  for (const char* name : {"rs.TDF", "rs.vh", "rs.txt", "rs"}) {
    testsupport::TempDir dir;
    testsupport::RunOptions options;
    options.args = {"-n", name};
    options.input = "click Finish\n";
    options.workingDirectory = dir.Path().string();
    const auto r = testsupport::RunWizardBinary(options);
    EXPECT_EQ(r.exitStatus, 1) << name;
    EXPECT_EQ(r.err,
              "Corvex Plug-In Manager: Can't start the wizard -- illegal extension in design file "
              "name\n")
        << name;
    EXPECT_TRUE(fs::is_empty(dir.Path())) << name;
  }
}

// An absolute path without a dot is an option word: here the option t, which is accepted, so
// the run has no design at all.
TEST(CommandLine, SlashPathWithoutDotIsAnOption) {
  const auto r = testsupport::RunWizard({"-n", "/tmp/designs/rs"}, "click Finish\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(
      r.err,
      "Corvex Plug-In Manager: Can't start the wizard -- no design file has been specified\n");
}

TEST(CommandLine, SlashPathWithoutDotOfAnUnknownLetterShowsHelp) {
  const auto r = testsupport::RunWizard({"-n", "/d/designs/rs"}, "click Finish\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(e2e::Lines(r.err),
            (std::vector<std::string>{kHelpLine,
                                      "Corvex Plug-In Manager: Can't start the wizard -- no design "
                                      "file has been specified"}));
}

}  // namespace
