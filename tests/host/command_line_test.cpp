#include <gtest/gtest.h>

#include "host/command_line.h"
#include "host/help_file_path.h"
#include "tests/support/fake_platform.h"

namespace {

using host::CommandLineOptions;
using host::ParseCommandLine;

class CommandLineTest : public ::testing::Test {
 protected:
  testsupport::RecordingUi ui;
  platform::ScopedPlatform scoped{nullptr, nullptr, &ui};
};

TEST_F(CommandLineTest, SecondPlainWordIsTheDesignFile) {
  const CommandLineOptions o = ParseCommandLine({"first.tdf", "second.vhd"});
  EXPECT_EQ(o.designPath, "second.vhd");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandLineTest, OptionsWithValues) {
  const CommandLineOptions o =
      ParseCommandLine({"-n", "-h123", "-p2", "/x500", "-y-7", "-tfoo", "rs.tdf"});
  EXPECT_TRUE(o.newFile);
  EXPECT_TRUE(o.callerThreadGiven);
  EXPECT_EQ(o.callerThreadId, 123);
  EXPECT_EQ(o.pageOffset, 2);
  EXPECT_TRUE(o.xGiven);
  EXPECT_EQ(o.x, 500);
  EXPECT_TRUE(o.yGiven);
  EXPECT_EQ(o.y, -7);
  EXPECT_EQ(o.designPath, "rs.tdf");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandLineTest, ThreadOptionWithoutDigitsStillCounts) {
  const CommandLineOptions o = ParseCommandLine({"-h", "-nanything"});
  EXPECT_TRUE(o.callerThreadGiven);
  EXPECT_EQ(o.callerThreadId, 0);
  EXPECT_TRUE(o.newFile);
}

TEST_F(CommandLineTest, XAloneLeavesY) {
  const CommandLineOptions o = ParseCommandLine({"-x500"});
  EXPECT_TRUE(o.xGiven);
  EXPECT_FALSE(o.yGiven);
}

TEST_F(CommandLineTest, SymbolExactlyElseHelp) {
  EXPECT_TRUE(ParseCommandLine({"-symbol"}).symbolFile);
  EXPECT_TRUE(ui.messages.empty());
  for (const char* word : {"-symbols", "-Symbol", "-s", "-q", "/d/designs/rs", "-", "-N"}) {
    ui.messages.clear();
    const CommandLineOptions o = ParseCommandLine({word, "rs.tdf"});
    ASSERT_EQ(ui.messages.size(), 1u) << word;
    EXPECT_EQ(ui.messages[0].caption, "Corvex Plug-In Manager");
    EXPECT_EQ(ui.messages[0].text, host::kHelpText);
    EXPECT_FALSE(o.symbolFile);
    EXPECT_EQ(o.designPath, "rs.tdf") << "parsing goes on after " << word;
  }
}

TEST_F(CommandLineTest, OptionWordWithDotIsADesignPath) {
  EXPECT_EQ(ParseCommandLine({"/d/work/rs.tdf"}).designPath, "/d/work/rs.tdf");
  EXPECT_EQ(ParseCommandLine({"-rs.tdf"}).designPath, "/rs.tdf");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CommandLineTest, HelpTextIsExact) {
  EXPECT_EQ(std::string(host::kHelpText),
            "Command line options:\n\n-n\t\tindicates that this is a new file (required)\n"
            "<filename>\tfull path to file that must be created (required)\n\n"
            "-h\t\tSpecifies the thread ID of the calling program (optional)\n"
            "-symbol\tSpecifies that the calling program can generate a symbol file (optional)\n"
            "-x\t\tSpecifies the screen x coordinate of the lower right corner (optional)\n"
            "-y\t\tSpecifies the screen y coordinate of the lower right corner (optional)\n"
            "-p\t\tSpecifies the first page offset (optional)");
}

TEST_F(CommandLineTest, OverlongOptionIsRefusedAndSkipped) {
  const std::string longWord = "-" + std::string(512, 'x') + ".tdf";
  const CommandLineOptions o = ParseCommandLine({"rs.tdf", longWord});
  EXPECT_EQ(o.designPath, "rs.tdf");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("511"), std::string::npos);
  // 511 characters after the marker are still taken.
  ui.messages.clear();
  const std::string limit = "-" + std::string(507, 'y') + ".tdf";
  EXPECT_EQ(ParseCommandLine({limit}).designPath, "/" + limit.substr(1));
  EXPECT_TRUE(ui.messages.empty());
}

TEST(HelpFilePath, ExtensionReplacedOrAppended) {
  EXPECT_EQ(host::HelpFilePathFor("/usr/bin/rswizard"), "/usr/bin/rswizard.hlp");
  EXPECT_EQ(host::HelpFilePathFor("/opt/x.y/rswizard.bin"), "/opt/x.y/rswizard.hlp");
  EXPECT_EQ(host::HelpFilePathFor("C:\\Tools\\rs.exe"), "C:\\Tools\\rs.hlp");
  EXPECT_EQ(host::InstalledHelpFilePathFor("/opt/rs/bin/rs.bin"),
            "/opt/rs/bin/../share/rswizard/rswizard.hlp");
}

}  // namespace
