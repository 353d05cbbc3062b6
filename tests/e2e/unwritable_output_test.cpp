// Files that cannot be written, through the real binary: the run ends with the message naming
// the file and status 1, files written before are complete, and nothing half-written or
// temporary is left in the design directory.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/fake_platform.h"
#include "tests/support/run_binary.h"

namespace {

namespace fs = std::filesystem;

// Switches a new design to the (full, discrete) decoder and finishes on the first page.
const char kDecoderFinish[] = "click Decoder\nclick Finish\n";

// The message line of the console backend.
std::string FatalLine(const std::string& path) {
  return "Error: Unable to open the file " + path +
         " for writting\\n The program can not continue\\n\\nPress OK to Exit\n";
}

// Regular files of the directory by name, and "<directory>" for directories.
std::map<std::string, std::string> Content(const fs::path& dir) {
  std::map<std::string, std::string> content;
  for (const auto& entry : fs::directory_iterator(dir))
    content[entry.path().filename().string()] =
        entry.is_directory() ? "<directory>" : testsupport::ReadFileText(entry.path());
  return content;
}

std::string Golden(const std::string& name) {
  return testsupport::ReadFileText(fs::path(RS_GOLDEN_DIR) / name);
}

// Whether this process can create files in a directory without write permission, as the
// superuser can.
bool PermissionsAreIgnored(const fs::path& readOnlyDir) {
  const std::string probe = (readOnlyDir / "probe").string();
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

TEST(UnwritableOutput, ReadOnlyDirectoryStopsAtTheFirstTable) {
  testsupport::TempDir dir;
  ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
  if (PermissionsAreIgnored(dir.Path()))
    GTEST_SKIP() << "this process writes into read-only directories (superuser); the "
                    "DirectoryInThePlaceOf tests cover the failure instead";
  const auto r = testsupport::RunWizard({"-n", dir.Dir() + "rs.tdf"}, kDecoderFinish);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, FatalLine(dir.Dir() + "inv_4_19.hex"));
  EXPECT_TRUE(Content(dir.Path()).empty());
}

TEST(UnwritableOutput, DirectoryInThePlaceOfTheVectorFile) {
  testsupport::TempDir dir;
  fs::create_directory(dir.Path() / "rs.vec");
  const auto r = testsupport::RunWizard({"-n", dir.Dir() + "rs.tdf"}, kDecoderFinish);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, FatalLine(dir.Dir() + "rs.vec"));
  EXPECT_EQ(Content(dir.Path()), (std::map<std::string, std::string>{
                                     {"inv_4_19.hex", Golden("rsmath/inv_4_19.hex")},
                                     {"evnum_4_19_0.hex", Golden("rsmath/evnum_4_19_0.hex")},
                                     {"rs.vec", "<directory>"}}))
      << "no description, nothing temporary";
}

// An existing design re-finished: the old description and the old files from the failing one
// on stay as they were.
TEST(UnwritableOutput, DirectoryInThePlaceOfTheEvnumFileKeepsTheOldDescription) {
  testsupport::TempDir dir;
  const std::string cnx = testsupport::ReadFileText(fs::path(RS_SOURCE_DIR) / "examples" /
                                                    "streaming_half_decoder.cnx");
  testsupport::WriteFileText(dir.Path() / "rs.cnx", cnx);
  testsupport::WriteFileText(dir.Path() / "rs.vec", "% the old vector file %\n");
  testsupport::WriteFileText(dir.Path() / "inv_4_19.hex", ":00000001ff\n");
  fs::create_directory(dir.Path() / "evnum_4_19_2.hex");
  const auto r = testsupport::RunWizard({dir.Dir() + "rs.tdf"}, "click Finish\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, FatalLine(dir.Dir() + "evnum_4_19_2.hex"));
  EXPECT_EQ(Content(dir.Path()),
            (std::map<std::string, std::string>{{"rs.cnx", cnx},
                                                {"rs.vec", "% the old vector file %\n"},
                                                {"inv_4_19.hex", Golden("rsmath/inv_4_19.hex")},
                                                {"evnum_4_19_2.hex", "<directory>"}}));
}

// The description is not fatal: the generated files are complete, the old description stays,
// and the run still ends as finished.
TEST(UnwritableOutput, DirectoryInThePlaceOfANewDescription) {
  testsupport::TempDir dir;
  fs::create_directory(dir.Path() / "rs.cnx");
  const auto r = testsupport::RunWizard({"-n", dir.Dir() + "rs.tdf"}, kDecoderFinish);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "Corvex Plug-In Manager: Can't write file " + dir.Dir() + "rs.cnx\n");
  EXPECT_EQ(Content(dir.Path()), (std::map<std::string, std::string>{
                                     {"inv_4_19.hex", Golden("rsmath/inv_4_19.hex")},
                                     {"evnum_4_19_0.hex", Golden("rsmath/evnum_4_19_0.hex")},
                                     {"rs.vec", Golden("rsmath/discrete_default.vec")},
                                     {"rs.cnx", "<directory>"}}));
}

}  // namespace
