// The generated files page (the third page) through the console: the file names it shows, the
// vector file check box, and which files are then written at Finish.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/e2e_session.h"

namespace {

const std::string kNext = "click \"Next >\"\n";
const std::string kBack = "click \"< Back\"\n";
const std::string kCheckBox = "Generate Vector Files";
const std::string kVectorLabel = "The following vector file will be generated :";
const std::string kMemoryLabel = "The following memory files will be generated :";

TEST(GeneratedFilesPage, DecoderShowsTheVectorAndMemoryFileNames) {
  e2e::Session session;
  const auto r = session.RunNew("click Decoder\n" + kNext + kNext + "dump\nclick Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  const auto& page = pages[0];
  EXPECT_TRUE(page.Get("check", kCheckBox).enabled);
  EXPECT_TRUE(page.Get("check", kCheckBox).marked);
  EXPECT_TRUE(page.Get("label", kVectorLabel).enabled);
  EXPECT_TRUE(page.Get("label", kMemoryLabel).enabled);
  const std::pair<std::string, std::string> names[] = {
      {"Vector file", session.Dir() + "rs.vec"},
      {"Inverse table file", session.Dir() + "inv_4_19.hex"},
      {"Evnum table file", session.Dir() + "evnum_4_19_0.hex"}};
  for (const auto& [label, name] : names) {
    const auto& edit = page.Get("edit", label);
    EXPECT_EQ(edit.text, name) << label;
    EXPECT_TRUE(edit.enabled) << label;
    EXPECT_TRUE(edit.readOnly) << label;
    // The file the page names is the one written at Finish.
    EXPECT_TRUE(std::filesystem::is_regular_file(name)) << name;
  }
}

TEST(GeneratedFilesPage, EncoderHasEmptyDisabledMemoryFields) {
  e2e::Session session;
  const auto r = session.RunNew(kNext + kNext + "dump\nclick Finish\n");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  const auto& page = pages[0];
  EXPECT_EQ(page.Get("edit", "Vector file").text, session.Dir() + "rs.vec");
  EXPECT_TRUE(page.Get("edit", "Vector file").enabled);
  EXPECT_FALSE(page.Get("label", kMemoryLabel).enabled);
  for (const char* label : {"Inverse table file", "Evnum table file"}) {
    EXPECT_EQ(page.Get("edit", label).text, "") << label;
    EXPECT_FALSE(page.Get("edit", label).enabled) << label;
    EXPECT_TRUE(page.Get("edit", label).readOnly) << label;
  }
  EXPECT_TRUE(std::filesystem::is_regular_file(session.File("rs.vec")));
  EXPECT_FALSE(std::filesystem::exists(session.File("inv_4_19.hex")));
  EXPECT_FALSE(std::filesystem::exists(session.File("evnum_4_19_0.hex")));
}

TEST(GeneratedFilesPage, ClearingTheCheckBoxKeepsTheNameAndWritesNoVectorFile) {
  e2e::Session session;
  const auto r = session.RunNew("click Decoder\n" + kNext + kNext + "click \"" + kCheckBox +
                                "\"\ndump\nclick Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  const auto& page = pages[0];
  EXPECT_TRUE(page.Get("check", kCheckBox).enabled);
  EXPECT_FALSE(page.Get("check", kCheckBox).marked);
  EXPECT_FALSE(page.Get("label", kVectorLabel).enabled);
  EXPECT_FALSE(page.Get("edit", "Vector file").enabled);
  EXPECT_EQ(page.Get("edit", "Vector file").text, session.Dir() + "rs.vec");
  EXPECT_TRUE(page.Get("edit", "Inverse table file").enabled);

  EXPECT_FALSE(std::filesystem::exists(session.File("rs.vec")));
  EXPECT_TRUE(std::filesystem::is_regular_file(session.File("inv_4_19.hex")));
  EXPECT_TRUE(std::filesystem::is_regular_file(session.File("evnum_4_19_0.hex")));
  EXPECT_EQ(session.Written().Private("generate_vectorfile"), "0");
}

TEST(GeneratedFilesPage, MarkingAgainEnablesTheNameAndWritesTheVectorFile) {
  e2e::Session session;
  const std::string click = "click \"" + kCheckBox + "\"\n";
  const auto r = session.RunNew(kNext + kNext + click + click + "dump\nclick Finish\n");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].Get("check", kCheckBox).marked);
  EXPECT_TRUE(pages[0].Get("label", kVectorLabel).enabled);
  EXPECT_TRUE(pages[0].Get("edit", "Vector file").enabled);
  EXPECT_TRUE(std::filesystem::is_regular_file(session.File("rs.vec")));
  EXPECT_EQ(session.Written().Private("generate_vectorfile"), "1");
}

TEST(GeneratedFilesPage, ClearedEncoderWritesNoFileBesidesTheDescription) {
  e2e::Session session;
  session.RunNew(kNext + kNext + "click \"" + kCheckBox + "\"\nclick Finish\n");
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(session.Dir()))
    files.push_back(entry.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"rs.cnx"});
}

// The names follow the parameters as they are when the page is shown.
TEST(GeneratedFilesPage, NamesFollowAChangedParameter) {
  e2e::Session session;
  const auto r = session.RunNew(
      "click Decoder\n" + kNext + kNext + "dump\n" + kBack +
      "pick \"Number of bits per symbol\" 5\npick \"Field polynomial\" 41\ntype \"First root of "
      "polynomial generator\" 3\n" +
      kNext + "dump\nclick Finish\n");
  EXPECT_EQ(r.err, "");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].Get("edit", "Inverse table file").text, session.Dir() + "inv_4_19.hex");
  EXPECT_EQ(pages[1].Get("edit", "Inverse table file").text, session.Dir() + "inv_5_41.hex");
  EXPECT_EQ(pages[1].Get("edit", "Evnum table file").text, session.Dir() + "evnum_5_41_3.hex");
  EXPECT_TRUE(std::filesystem::is_regular_file(session.File("inv_5_41.hex")));
  EXPECT_TRUE(std::filesystem::is_regular_file(session.File("evnum_5_41_3.hex")));
  EXPECT_FALSE(std::filesystem::exists(session.File("inv_4_19.hex")));
  const auto d = session.Written();
  EXPECT_EQ(d.Constant("inv_file"), "inv_5_41.hex");
  EXPECT_EQ(d.Constant("evnum_file"), "evnum_5_41_3.hex");
}

// A design named without a directory: names without one, files in the working directory.
TEST(GeneratedFilesPage, DesignWithoutDirectory) {
  testsupport::TempDir dir;
  testsupport::RunOptions options;
  options.args = {"-n", "rs.tdf"};
  options.input = "click Decoder\n" + kNext + kNext + "dump\nclick Finish\n";
  options.workingDirectory = dir.Path().string();
  const auto r = testsupport::RunWizardBinary(options);
  EXPECT_EQ(r.exitStatus, 0);
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].Get("edit", "Vector file").text, "rs.vec");
  EXPECT_EQ(pages[0].Get("edit", "Inverse table file").text, "inv_4_19.hex");
  EXPECT_EQ(pages[0].Get("edit", "Evnum table file").text, "evnum_4_19_0.hex");
  for (const char* name : {"rs.cnx", "rs.vec", "inv_4_19.hex", "evnum_4_19_0.hex"})
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.Path() / name)) << name;
}

}  // namespace
