// Replacing files all at once: the old file stays until the new one is complete, nothing
// half-written or temporary is left behind, permissions follow the old file or the umask.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/support/fake_platform.h"

namespace {

namespace fs = std::filesystem;
using testsupport::FileOp;
using testsupport::ReadFileText;
using testsupport::WriteFileText;

class FileSystemTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (dir.Path() / name).string(); }

  // The names in the directory, hidden ones included.
  std::set<std::string> Listing() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
      names.insert(entry.path().filename().string());
    return names;
  }

  static mode_t ModeOf(const std::string& path) {
    struct stat info;
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
  }

  // Writes text to name through `files` and reports whether Close succeeded.
  bool Replace(platform::FileSystem& files, const std::string& name, const std::string& text) {
    auto file = files.OpenForWriting(Path(name));
    if (!file) return false;
    file->Write(text);
    return file->Close();
  }

  testsupport::TempDir dir;
  platform::PosixFileSystem files;
};

// Sets the umask for the lifetime of the object.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(old_); }

 private:
  mode_t old_;
};

TEST_F(FileSystemTest, NewFileAppearsOnlyAtClose) {
  auto file = files.OpenForWriting(Path("a.txt"));
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Write("hello\n"));
  EXPECT_FALSE(fs::exists(Path("a.txt")));
  const std::set<std::string> during = Listing();
  ASSERT_EQ(during.size(), 1u);
  const std::string scratch = *during.begin();
  EXPECT_EQ(scratch.rfind(".a.txt.", 0), 0u) << scratch << " is not hidden beside a.txt";
  EXPECT_EQ(ReadFileText(dir.Path() / scratch), "hello\n");
  ASSERT_TRUE(file->Close());
  EXPECT_EQ(ReadFileText(Path("a.txt")), "hello\n");
  EXPECT_EQ(Listing(), std::set<std::string>{"a.txt"});
}

TEST_F(FileSystemTest, OldFileStaysUntilClose) {
  WriteFileText(Path("a.txt"), "old content\n");
  auto file = files.OpenForWriting(Path("a.txt"));
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Write("new"));
  ASSERT_TRUE(file->Write(" content, longer\n"));
  EXPECT_EQ(ReadFileText(Path("a.txt")), "old content\n");
  ASSERT_TRUE(file->Close());
  EXPECT_EQ(ReadFileText(Path("a.txt")), "new content, longer\n");
  EXPECT_EQ(Listing(), std::set<std::string>{"a.txt"});
}

TEST_F(FileSystemTest, ShorterContentLeavesNoTailOfTheOld) {
  WriteFileText(Path("a.txt"), "a long old content\n");
  ASSERT_TRUE(Replace(files, "a.txt", "x\n"));
  EXPECT_EQ(ReadFileText(Path("a.txt")), "x\n");
}

TEST_F(FileSystemTest, EmptyContentMakesAnEmptyFile) {
  WriteFileText(Path("a.txt"), "old\n");
  auto file = files.OpenForWriting(Path("a.txt"));
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Close());
  EXPECT_TRUE(fs::exists(Path("a.txt")));
  EXPECT_EQ(fs::file_size(Path("a.txt")), 0u);
}

TEST_F(FileSystemTest, DroppedWithoutCloseKeepsTheOldFile) {
  WriteFileText(Path("old.txt"), "old\n");
  {
    auto replaced = files.OpenForWriting(Path("old.txt"));
    auto created = files.OpenForWriting(Path("new.txt"));
    ASSERT_NE(replaced, nullptr);
    ASSERT_NE(created, nullptr);
    replaced->Write("half of the ne");
    created->Write("half");
  }
  EXPECT_EQ(ReadFileText(Path("old.txt")), "old\n");
  EXPECT_EQ(Listing(), std::set<std::string>{"old.txt"});
}

TEST_F(FileSystemTest, NothingMoreAfterClose) {
  auto file = files.OpenForWriting(Path("a.txt"));
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->Write("once\n"));
  ASSERT_TRUE(file->Close());
  EXPECT_FALSE(file->Write("twice\n"));
  EXPECT_FALSE(file->Close());
  EXPECT_EQ(ReadFileText(Path("a.txt")), "once\n");
}

TEST_F(FileSystemTest, NewFileGetsTheDefaultLessTheUmask) {
  for (const mode_t mask : {mode_t{022}, mode_t{027}, mode_t{077}, mode_t{0}, mode_t{002}}) {
    ScopedUmask umask(mask);
    const std::string name = "new" + std::to_string(mask) + ".txt";
    ASSERT_TRUE(Replace(files, name, "x"));
    EXPECT_EQ(ModeOf(Path(name)), 0666 & ~mask) << "umask " << std::oct << mask;
  }
}

TEST_F(FileSystemTest, ReplacementKeepsTheOldPermissions) {
  ScopedUmask umask(077);  // would take group and other bits off a new file
  for (const mode_t mode :
       {mode_t{0600}, mode_t{0640}, mode_t{0664}, mode_t{0666}, mode_t{0200}, mode_t{0755}}) {
    const std::string name = "old" + std::to_string(mode) + ".txt";
    WriteFileText(Path(name), "old");
    ASSERT_EQ(::chmod(Path(name).c_str(), mode), 0);
    ASSERT_TRUE(Replace(files, name, "new")) << std::oct << mode;
    EXPECT_EQ(ModeOf(Path(name)), mode) << std::oct << mode;
    ::chmod(Path(name).c_str(), 0600);  // 0200 is not readable but by the superuser
    EXPECT_EQ(ReadFileText(Path(name)), "new");
  }
}

// Refused for everyone, the superuser included, whom the permission bits would not stop.
TEST_F(FileSystemTest, ReadOnlyOldFileIsRefused) {
  for (const mode_t mode : {mode_t{0444}, mode_t{0400}, mode_t{0555}, mode_t{0}}) {
    WriteFileText(Path("ro.txt"), "protected\n");
    ASSERT_EQ(::chmod(Path("ro.txt").c_str(), mode), 0);
    errno = 0;
    EXPECT_EQ(files.OpenForWriting(Path("ro.txt")), nullptr) << std::oct << mode;
    EXPECT_EQ(errno, EACCES);
    ::chmod(Path("ro.txt").c_str(), 0600);
    EXPECT_EQ(ReadFileText(Path("ro.txt")), "protected\n");
    EXPECT_EQ(Listing(), std::set<std::string>{"ro.txt"});
  }
}

TEST_F(FileSystemTest, DirectoryInThePlaceOfTheFileIsRefused) {
  fs::create_directory(Path("a.hex"));
  errno = 0;
  EXPECT_EQ(files.OpenForWriting(Path("a.hex")), nullptr);
  EXPECT_EQ(errno, EISDIR);
  EXPECT_TRUE(fs::is_directory(Path("a.hex")));
  EXPECT_EQ(Listing(), std::set<std::string>{"a.hex"});
}

TEST_F(FileSystemTest, MissingOrNonDirectoryParentIsRefused) {
  WriteFileText(Path("plain"), "not a directory");
  errno = 0;
  EXPECT_EQ(files.OpenForWriting(Path("missing/a.txt")), nullptr);
  EXPECT_EQ(errno, ENOENT);
  errno = 0;
  EXPECT_EQ(files.OpenForWriting(Path("plain/a.txt")), nullptr);
  EXPECT_EQ(errno, ENOTDIR);
  EXPECT_EQ(Listing(), std::set<std::string>{"plain"});
}

TEST_F(FileSystemTest, ThroughALinkTheLinkedFileIsReplaced) {
  fs::create_directory(Path("elsewhere"));
  WriteFileText(Path("elsewhere/real.cnx"), "old\n");
  fs::create_symlink(Path("elsewhere/real.cnx"), Path("rs.cnx"));
  ASSERT_TRUE(Replace(files, "rs.cnx", "new\n"));
  EXPECT_TRUE(fs::is_symlink(Path("rs.cnx")));
  EXPECT_EQ(ReadFileText(Path("elsewhere/real.cnx")), "new\n");
  EXPECT_EQ(Listing(), (std::set<std::string>{"elsewhere", "rs.cnx"}));
  std::set<std::string> inElsewhere;
  for (const auto& entry : fs::directory_iterator(Path("elsewhere")))
    inElsewhere.insert(entry.path().filename().string());
  EXPECT_EQ(inElsewhere, std::set<std::string>{"real.cnx"});
}

TEST_F(FileSystemTest, DanglingLinkIsReplacedByTheFile) {
  fs::create_symlink(Path("nowhere/real.cnx"), Path("rs.cnx"));
  ASSERT_TRUE(Replace(files, "rs.cnx", "new\n"));
  EXPECT_FALSE(fs::is_symlink(Path("rs.cnx")));
  EXPECT_EQ(ReadFileText(Path("rs.cnx")), "new\n");
}

TEST_F(FileSystemTest, TwoReplacementsOfOneFileAtOnceDoNotMeet) {
  auto first = files.OpenForWriting(Path("a.txt"));
  auto second = files.OpenForWriting(Path("a.txt"));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(first->Write("first\n"));
  ASSERT_TRUE(second->Write("second\n"));
  EXPECT_EQ(Listing().size(), 2u) << "each has a name of its own";
  ASSERT_TRUE(second->Close());
  EXPECT_EQ(ReadFileText(Path("a.txt")), "second\n");
  ASSERT_TRUE(first->Close());
  EXPECT_EQ(ReadFileText(Path("a.txt")), "first\n");
  EXPECT_EQ(Listing(), std::set<std::string>{"a.txt"});
}

TEST_F(FileSystemTest, NameAtTheLengthLimit) {
  const std::string name(250, 'n');
  ASSERT_TRUE(Replace(files, name, "long\n"));
  EXPECT_EQ(ReadFileText(Path(name)), "long\n");
  EXPECT_EQ(Listing(), std::set<std::string>{name});
}

// A design named without a directory puts its files in the working directory.
TEST_F(FileSystemTest, NameWithoutADirectory) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir.Path());
  const bool replaced = Replace(files, "rel.txt", "here\n");
  fs::current_path(previous);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(ReadFileText(Path("rel.txt")), "here\n");
  EXPECT_EQ(Listing(), std::set<std::string>{"rel.txt"});
}

struct FailingStep {
  FileOp op;
  int error;
  bool oldFile;
};

std::string StepName(const ::testing::TestParamInfo<FailingStep>& info) {
  static const char* const kOps[] = {"Open", "Write", "Close", "Rename", "Remove"};
  const char* error = info.param.error == ENOSPC   ? "ENOSPC"
                      : info.param.error == EACCES ? "EACCES"
                                                   : "EIO";
  return std::string(kOps[static_cast<int>(info.param.op)]) + error +
         (info.param.oldFile ? "Replacing" : "Creating");
}

class FailingStepTest : public FileSystemTest, public ::testing::WithParamInterface<FailingStep> {};

// Whatever step fails, the caller hears of it with the step's errno, the old file (or none) is
// what remains, and no replacement is left over.
TEST_P(FailingStepTest, OldFileRemainsAndNothingIsLeftOver) {
  const FailingStep step = GetParam();
  if (step.oldFile) WriteFileText(Path("a.txt"), "old\n");
  testsupport::FaultyFileSystem faulty;
  faulty.FailNth(step.op, 1, step.error);
  errno = 0;
  auto file = faulty.OpenForWriting(Path("a.txt"));
  if (step.op == FileOp::Open) {
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(errno, step.error);
  } else {
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Write("new content\n"), step.op != FileOp::Write);
    EXPECT_EQ(file->Write("more\n"), step.op != FileOp::Write) << "a failed file stays failed";
    errno = 0;
    EXPECT_FALSE(file->Close());
    EXPECT_EQ(errno, step.error);
    EXPECT_EQ(faulty.Count(FileOp::Close), 1) << "closed even after a failed write";
    EXPECT_EQ(faulty.Count(FileOp::Rename), step.op == FileOp::Rename ? 1 : 0);
    EXPECT_EQ(faulty.Count(FileOp::Remove), 1) << "the replacement is removed";
  }
  if (step.oldFile) {
    EXPECT_EQ(ReadFileText(Path("a.txt")), "old\n");
    EXPECT_EQ(Listing(), std::set<std::string>{"a.txt"});
  } else {
    EXPECT_TRUE(Listing().empty());
  }
}

std::vector<FailingStep> AllFailingSteps() {
  std::vector<FailingStep> steps;
  for (const FileOp op : {FileOp::Open, FileOp::Write, FileOp::Close, FileOp::Rename})
    for (const int error : {ENOSPC, EACCES, EIO})
      for (const bool oldFile : {false, true}) steps.push_back({op, error, oldFile});
  return steps;
}

INSTANTIATE_TEST_SUITE_P(EveryStep, FailingStepTest, ::testing::ValuesIn(AllFailingSteps()),
                         StepName);

}  // namespace
