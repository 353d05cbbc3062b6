#include "platform/path_parts.h"

#include <gtest/gtest.h>

namespace {

using platform::PathSyntax;

struct SplitCase {
  const char* path;
  PathSyntax syntax;
  const char* directory;
  const char* baseName;
  const char* extension;
};

class SplitPathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, Splits) {
  const SplitCase& c = GetParam();
  const platform::PathParts parts = platform::SplitPath(c.path, c.syntax);
  EXPECT_EQ(parts.directory, c.directory);
  EXPECT_EQ(parts.baseName, c.baseName);
  EXPECT_EQ(parts.extension, c.extension);
  // Nothing is lost: the pieces put together give the path back.
  EXPECT_EQ(parts.Sibling(parts.extension), c.path);
}

constexpr PathSyntax kWizard = PathSyntax::kSlashBackslashDrive;
constexpr PathSyntax kSlash = PathSyntax::kSlash;

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitPathTest,
    ::testing::Values(SplitCase{"C:\\work\\rs.tdf", kWizard, "C:\\work\\", "rs", ".tdf"},
                      SplitCase{"/home/u/designs/rs.v", kWizard, "/home/u/designs/", "rs", ".v"},
                      SplitCase{"rs.tdf", kWizard, "", "rs", ".tdf"},
                      SplitCase{"a/b\\c.d/e.vhd", kWizard, "a/b\\c.d/", "e", ".vhd"},
                      SplitCase{"dir/name.with.dots.TDF", kWizard, "dir/", "name.with.dots",
                                ".TDF"},
                      SplitCase{"dir/noext", kWizard, "dir/", "noext", ""},
                      SplitCase{"C:rs.tdf", kWizard, "C:", "rs", ".tdf"},
                      SplitCase{"dir/", kWizard, "dir/", "", ""},
                      // "/" alone: a backslash or a colon is part of a file name.
                      SplitCase{"/home/u/designs/rs.v", kSlash, "/home/u/designs/", "rs", ".v"},
                      SplitCase{"a\\b.v", kSlash, "", "a\\b", ".v"},
                      SplitCase{"C:rs.v", kSlash, "", "C:rs", ".v"},
                      SplitCase{"a.b/c", kSlash, "a.b/", "c", ""},
                      SplitCase{"/rs.cnx", kSlash, "/", "rs", ".cnx"},
                      SplitCase{".v", kSlash, "", "", ".v"}, SplitCase{"", kSlash, "", "", ""}));

TEST(PathParts, SiblingReplacesTheExtension) {
  const platform::PathParts parts = platform::SplitPath("out/rs.vhd", PathSyntax::kSlash);
  EXPECT_EQ(parts.Sibling(".cnx"), "out/rs.cnx");
  EXPECT_EQ(parts.Sibling("_tb.v"), "out/rs_tb.v");
}

}  // namespace
