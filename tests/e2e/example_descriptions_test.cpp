// examples/*.cnx are descriptions as the wizard writes them: each, opened and finished at once,
// comes back byte for byte, and the memory tables the wizard writes beside a decoder's are the
// ones shipped beside it in examples/, none missing and none left over.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(RS_SOURCE_DIR) / "examples";

std::vector<fs::path> ExampleFiles(const std::string& extension) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(kExamples))
    if (entry.path().extension() == extension) files.push_back(entry.path());
  return files;
}

TEST(ExampleDescriptions, AreWhatTheWizardWritesForTheirSettings) {
  const std::vector<fs::path> descriptions = ExampleFiles(".cnx");
  ASSERT_FALSE(descriptions.empty());
  std::set<std::string> tablesWritten;
  for (const fs::path& example : descriptions) {
    SCOPED_TRACE(example.filename().string());
    const std::string shipped = testsupport::ReadFileText(example);
    testsupport::TempDir dir;
    testsupport::WriteFileText(dir.Path() / "rs.cnx", shipped);
    const testsupport::RunResult run =
        testsupport::RunWizard({dir.Dir() + "rs.tdf"}, "click Finish\n");
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");  // nothing mended, nothing refused
    EXPECT_EQ(testsupport::ReadFileText(dir.Path() / "rs.cnx"), shipped);
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
      if (entry.path().extension() != ".hex") continue;
      const std::string table = entry.path().filename().string();
      tablesWritten.insert(table);
      ASSERT_TRUE(fs::exists(kExamples / table)) << table << " is not shipped beside the example";
      EXPECT_EQ(testsupport::ReadFileText(kExamples / table),
                testsupport::ReadFileText(entry.path()))
          << table;
    }
  }
  for (const fs::path& table : ExampleFiles(".hex"))
    EXPECT_TRUE(tablesWritten.count(table.filename().string()))
        << table.filename() << " belongs to no example description";
}

}  // namespace
