// rsmanager through the real programs: every refusal (one line, exit 1, no file left behind,
// a hand-written file untouched), and the wizard run as its manager: the notice lines, the
// files after Finish, none after Cancel, and the two protections of the user's description.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/manager/manager_run.h"
#include "tests/support/fake_platform.h"
#include "tests/support/text_lines.h"

namespace {

namespace fs = std::filesystem;
using managertest::Code;
using testsupport::ReadFileText;
using testsupport::WriteFileText;

const Code kEncoder{"encoder", 4, 19, 15, 4, 0};
const Code kDecoder{"discrete full", 4, 19, 15, 4, 0};

void Edit(const fs::path& path, const std::string& from, const std::string& to) {
  std::string text = ReadFileText(path);
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from << " not in " << path;
  WriteFileText(path, text.replace(at, from.size(), to));
}

void BuildBlock(const fs::path& dir, const Code& code) {
  const testsupport::RunResult run =
      testsupport::RunWizard({"-n", (dir / "rs.v").string()}, managertest::Events(code));
  ASSERT_EQ(run.exitStatus, 0) << run.err;
}

bool HasEncoderRtl() {
  return fs::exists(managertest::RtlDirectory() / "rs_encoder.v");
}

struct Refusal {
  const char* name;
  const Code* code;
  std::function<void(const fs::path&)> spoil;  // what turns the wizard's files into a refusal
  const char* message;                         // part of the one line on standard error
  const char* design = "rs.v";
};

const std::vector<Refusal>& Refusals() {
  static const std::vector<Refusal> rows = {
      {"NoDescription", &kEncoder, [](const fs::path& d) { fs::remove(d / "rs.cnx"); },
       "rs.cnx: the description is missing or unreadable"},
      {"ForeignModule", &kEncoder,
       [](const fs::path& d) { Edit(d / "rs.cnx", "RS_Enc", "RS_Dec"); },
       "module \"RS_Dec\" is not one of the wizard's"},
      {"MissingConstant", &kEncoder,
       [](const fs::path& d) { Edit(d / "rs.cnx", "CONSTANT: irrpol NUMERIC \"19\"\n", ""); },
       "the constant irrpol is missing"},
      {"NotANumber", &kEncoder,
       [](const fs::path& d) { Edit(d / "rs.cnx", "n NUMERIC \"15\"", "n NUMERIC \"15x\""); },
       "the constant n is \"15x\", not a number"},
      {"WrongGenerator", &kEncoder,
       [](const fs::path& d) { Edit(d / "rs.cnx", "gg2 NUMERIC \"3\"", "gg2 NUMERIC \"4\""); },
       "gg2 = 4 disagrees with the generator polynomial of m = 4, irrpol = 19, check = 4, "
       "genstart = 0 (it is 3)"},
      {"OutOfRange", &kEncoder,
       [](const fs::path& d) { Edit(d / "rs.cnx", "n NUMERIC \"15\"", "n NUMERIC \"300\""); },
       "out of the wizard's ranges: n = 300 (the wizard would read 15)"},
      {"MissingPort", &kEncoder,
       [](const fs::path& d) {
         Edit(d / "rs.cnx", "USED_PORT: rsout 0 0 4 1 OUTPUT NODEFVAL rsout[4..1]\n", "");
       },
       "the port rsout is missing"},
      {"Extension", &kEncoder, [](const fs::path&) {}, "the design file must end in .v", "rs.txt"},
      {"MissingTable", &kDecoder, [](const fs::path& d) { fs::remove(d / "inv_4_19.hex"); },
       "inv_4_19.hex: the wizard's memory table is missing or unreadable"},
      {"TableChecksum", &kDecoder,
       [](const fs::path& d) { Edit(d / "evnum_4_19_0.hex", ":0100020002fb", ":0100020002fc"); },
       "evnum_4_19_0.hex line 4: wrong checksum"},
      {"WrongInverse", &kDecoder,
       [](const fs::path& d) { Edit(d / "inv_4_19.hex", ":0100020009f4", ":010002000af3"); },
       "inv_4_19.hex: the entry at 2 is 10, not the inverse of 2 in this field"},
      {"TableName", &kDecoder,
       [](const fs::path& d) { Edit(d / "rs.cnx", "\"inv_4_19.hex\"", "\"inv_4_25.hex\""); },
       "inv_file is \"inv_4_25.hex\"; the wizard names this table inv_4_19.hex"},
  };
  return rows;
}

void PrintTo(const Refusal& row, std::ostream* os) {
  *os << row.name;
}

class ManagerRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ManagerRefuses, WithOneLineAndNoFile) {
  const Refusal& row = GetParam();
  testsupport::TempDir dir;
  BuildBlock(dir.Path(), *row.code);
  row.spoil(dir.Path());
  const std::vector<std::string> before = managertest::Listing(dir.Path());
  const testsupport::RunResult run =
      managertest::RunManager({"--generate", dir.Dir() + row.design});
  EXPECT_EQ(run.exitStatus, 1);
  const std::vector<std::string> lines = testsupport::SplitLines(run.err);
  ASSERT_EQ(lines.size(), 1u) << run.err;
  EXPECT_EQ(lines[0].rfind("rsmanager: ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(row.message), std::string::npos) << lines[0];
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(managertest::Listing(dir.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(Manager, ManagerRefuses, ::testing::ValuesIn(Refusals()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Manager, LeavesAHandWrittenDesignAloneUnlessForced) {
  if (!HasEncoderRtl()) GTEST_SKIP() << "no encoder RTL in " << managertest::RtlDirectory();
  testsupport::TempDir dir;
  BuildBlock(dir.Path(), kEncoder);
  WriteFileText(dir.Path() / "rs.v", "module rs; endmodule  // mine\n");
  testsupport::RunResult run = managertest::RunManager({"--generate", dir.Dir() + "rs.v"});
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_NE(run.err.find("rs.v was not written by rsmanager"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFileText(dir.Path() / "rs.v"), "module rs; endmodule  // mine\n");
  EXPECT_FALSE(fs::exists(dir.Path() / "rs.cmp"));
  run = managertest::RunManager({"--generate", "--force", dir.Dir() + "rs.v"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(ReadFileText(dir.Path() / "rs.v").rfind("// Generated by rsmanager from rs.cnx", 0),
            0u);
}

TEST(Manager, DesignOpensWithItsHeaderLineAndComesWithItsDatasheet) {
  if (!HasEncoderRtl()) GTEST_SKIP() << "no RTL in " << managertest::RtlDirectory();
  testsupport::TempDir dir;
  BuildBlock(dir.Path(), kDecoder);
  const testsupport::RunResult run = managertest::RunManager({"--generate", dir.Dir() + "rs.v"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_NE(run.out.find("wrote " + dir.Dir() + "rs.html"), std::string::npos) << run.out;
  const std::string design = ReadFileText(dir.Path() / "rs.v");
  EXPECT_EQ(design.rfind("// Generated by rsmanager from rs.cnx;", 0), 0u);
  EXPECT_NE(design.find("\n//   output [4:1]  rsout "), std::string::npos);
  const std::string page = ReadFileText(dir.Path() / "rs.html");
  EXPECT_NE(page.find("<td><code>rs_errors_tb.v</code></td>"), std::string::npos);
  EXPECT_NE(page.find("rsmanager --figures measures"), std::string::npos);
  // Its own files, the datasheet among them, are replaced without --force.
  const testsupport::RunResult again = managertest::RunManager({"--generate", dir.Dir() + "rs.v"});
  EXPECT_EQ(again.exitStatus, 0) << again.err;
  EXPECT_EQ(ReadFileText(dir.Path() / "rs.html"), page);
}

// A directory holding a yosys that fails at once, ahead of the system's on PATH.
std::string FailingYosys(const fs::path& dir) {
  fs::create_directories(dir / "bin");
  WriteFileText(dir / "bin" / "yosys", "#!/bin/sh\necho 'yosys: broken' >&2\nexit 3\n");
  fs::permissions(dir / "bin" / "yosys", fs::perms::owner_all);
  return (dir / "bin").string();
}

TEST(Manager, FiguresWithoutYosysAreNotedAndAFailedRunWritesNothing) {
  if (!HasEncoderRtl()) GTEST_SKIP() << "no RTL in " << managertest::RtlDirectory();
  testsupport::TempDir dir;
  BuildBlock(dir.Path(), kEncoder);
  const std::string command =
      std::string(RS_MANAGER_PATH) + " --generate --figures " + dir.Dir() + "rs.v";
  testsupport::RunResult run = managertest::Shell("PATH=/nonexistent " + command);
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find("rsmanager: Not measured: --figures was given, but yosys is not "
                         "installed."),
            std::string::npos)
      << run.out;
  EXPECT_NE(ReadFileText(dir.Path() / "rs.html").find("but yosys is not installed"),
            std::string::npos);

  testsupport::TempDir broken;
  BuildBlock(broken.Path(), kEncoder);
  run = managertest::Shell("PATH=" + FailingYosys(dir.Path()) + ":/usr/bin:/bin " +
                           RS_MANAGER_PATH + " --generate --figures " + broken.Dir() + "rs.v");
  EXPECT_EQ(run.exitStatus, 1) << run.out;
  EXPECT_NE(run.out.find("hdl_figures.sh failed on rs.v: yosys: broken; nothing written"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(managertest::Listing(broken.Path()), (std::vector<std::string>{"rs.cnx", "rs.vec"}));
}

TEST(Manager, FiguresOfYosysReachTheDatasheet) {
  if (!HasEncoderRtl()) GTEST_SKIP() << "no RTL in " << managertest::RtlDirectory();
  if (managertest::Shell("command -v yosys").exitStatus != 0) GTEST_SKIP() << "no yosys";
  testsupport::TempDir dir;
  BuildBlock(dir.Path(), kEncoder);
  const testsupport::RunResult run =
      managertest::RunManager({"--generate", "--figures", dir.Dir() + "rs.v"});
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  const std::string page = ReadFileText(dir.Path() / "rs.html");
  EXPECT_NE(page.find("<th>xc7 LUTs</th>"), std::string::npos);
  const std::string cell = "<td id=\"figure-2\" class=\"number\">";
  const std::size_t at = page.find(cell);
  ASSERT_NE(at, std::string::npos) << page;
  // An encoder of r = 4 over GF(16) takes some LUTs, and far fewer than a thousand.
  const int luts = std::stoi(page.substr(at + cell.size()));
  EXPECT_GT(luts, 0);
  EXPECT_LT(luts, 1000);
  EXPECT_NE(page.find("yosys: Yosys"), std::string::npos);
}

struct Session {
  const char* name;
  bool existing;  // the design has a description before the session
  bool readOnly;  // ... that nobody may write
  const char* events;
  int exitStatus;
  std::vector<const char*> corners;  // of the notice lines, in order
  std::vector<const char*> files;    // the directory afterwards
  const char* message;               // on standard error; "" for none
};

void PrintTo(const Session& row, std::ostream* os) {
  *os << row.name;
}

class ManagerSession : public ::testing::TestWithParam<Session> {};

TEST_P(ManagerSession, EndsAsTheWizardDid) {
  const Session& row = GetParam();
  if (row.exitStatus == 0 && !HasEncoderRtl()) GTEST_SKIP() << "no encoder RTL";
  testsupport::TempDir dir;
  const fs::path cnx = dir.Path() / "rs.cnx";
  std::string old;
  if (row.existing) {
    BuildBlock(dir.Path(), kEncoder);
    old = ReadFileText(cnx);
    if (row.readOnly) fs::permissions(cnx, fs::perms::owner_read | fs::perms::group_read);
  }
  const testsupport::RunResult run = managertest::RunManager({dir.Dir() + "rs.v"}, row.events);
  EXPECT_EQ(run.exitStatus, row.exitStatus) << run.err;
  std::vector<std::string> corners;
  for (const std::string& line : testsupport::SplitLines(run.out)) {
    const std::string notice = "notice 1034: button pressed, page corner ";
    if (line.rfind(notice, 0) == 0) corners.push_back(line.substr(notice.size()));
  }
  EXPECT_EQ(corners, std::vector<std::string>(row.corners.begin(), row.corners.end())) << run.out;
  EXPECT_EQ(managertest::Listing(dir.Path()),
            std::vector<std::string>(row.files.begin(), row.files.end()));
  EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
  if (row.existing) {
    EXPECT_EQ(ReadFileText(cnx), old);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Manager, ManagerSession,
    ::testing::Values(Session{"FinishGenerates",
                              false,
                              false,
                              "click \"Next >\"\nmove 900 700\nclick Finish\n",
                              0,
                              {"810 526", "900 700"},
                              {"rs.cmp", "rs.cnx", "rs.html", "rs.v", "rs.vec", "rs_axis.v",
                               "rs_axis_tb.v", "rs_tb.v"},
                              ""},
                      Session{"CancelGeneratesNothing",
                              false,
                              false,
                              "click Cancel\n",
                              2,
                              {"809 526"},
                              {},
                              "rsmanager: cancelled: nothing generated\n"},
                      Session{"CancelPutsTheOldDescriptionBack",
                              true,
                              false,
                              "click Decoder\nclick Cancel\n",
                              2,
                              {"809 526"},
                              {"rs.cnx", "rs.vec"},
                              "cancelled: nothing generated; the previous description"},
                      // Known before the session: the wizard is not started at all.
                      Session{"UnwritableDescriptionStartsNoSession",
                              true,
                              true,
                              "click Finish\n",
                              1,
                              {},
                              {"rs.cnx", "rs.vec"},
                              "rs.cnx cannot be replaced (Permission denied)"}),
    [](const auto& info) { return std::string(info.param.name); });

// --list-rtl: the files a core's NAME.v copies, as the scripts read them, from a directory of
// made-up RTL: the top first, each file once, in the order the assembly copies them; a uses line
// in an included file counts, the included file itself is not listed.
class ListRtl : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileText(dir_.Path() / "top.v", "// uses: b.v c.v\n`include \"f.vh\"\nmodule top;\n");
    WriteFileText(dir_.Path() / "b.v", "  // uses: c.v d.v\nmodule b;\n");
    WriteFileText(dir_.Path() / "c.v", "// uses: b.v\nmodule c;\n");
    WriteFileText(dir_.Path() / "d.v", "module d;\n");
    WriteFileText(dir_.Path() / "f.vh", "// uses: e.v\n");
    WriteFileText(dir_.Path() / "e.v", "module e;\n");
  }

  testsupport::RunResult Run(std::vector<std::string> args) {
    return testsupport::RunWizardBinary(
        {std::move(args), "", {"RSMANAGER_HDL_DIR=" + dir_.Dir()}, "", RS_MANAGER_PATH});
  }

  std::string Listed(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) out += (dir_.Path() / name).string() + "\n";
    return out;
  }

  testsupport::TempDir dir_;
};

TEST_F(ListRtl, ByNameInTheRtlDirectory) {
  const testsupport::RunResult run = Run({"--list-rtl", "top.v"});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, Listed({"top.v", "b.v", "c.v", "d.v", "e.v"}));
  EXPECT_EQ(run.err, "");
}

TEST_F(ListRtl, ByPathBesideItsFiles) {
  const testsupport::RunResult run = Run({"--list-rtl", (dir_.Path() / "c.v").string()});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out, Listed({"c.v", "b.v", "d.v"}));
}

TEST_F(ListRtl, TheRealEncoderCore) {
  if (!HasEncoderRtl()) GTEST_SKIP() << "no encoder RTL";
  const testsupport::RunResult run = testsupport::RunWizardBinary(
      {{"--list-rtl", (managertest::RtlDirectory() / "rs_encoder.v").string()},
       "",
       {},
       "",
       RS_MANAGER_PATH});
  EXPECT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(testsupport::SplitLines(run.out).front(),
            (managertest::RtlDirectory() / "rs_encoder.v").string());
}

struct ListRtlRefusal {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

class ListRtlRefuses : public ListRtl, public ::testing::WithParamInterface<ListRtlRefusal> {};

TEST_P(ListRtlRefuses, WithOneLine) {
  fs::remove(dir_.Path() / "d.v");
  const testsupport::RunResult run = Run(GetParam().args);
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  const std::vector<std::string> lines = testsupport::SplitLines(run.err);
  ASSERT_EQ(lines.size(), 1u) << run.err;
  EXPECT_EQ(lines[0].rfind("rsmanager: ", 0), 0u) << lines[0];
  EXPECT_NE(lines[0].find(GetParam().message), std::string::npos) << lines[0];
}

INSTANTIATE_TEST_SUITE_P(
    Manager, ListRtlRefuses,
    ::testing::Values(
        ListRtlRefusal{"MissingUsedFile", {"--list-rtl", "b.v"}, "d.v is missing or unreadable"},
        ListRtlRefusal{"NotInTheDirectory", {"--list-rtl", "x.v"}, "the HDL source x.v is in none"},
        ListRtlRefusal{"NoFile", {"--list-rtl"}, "no RTL file given"},
        ListRtlRefusal{"WithGenerate", {"--list-rtl", "--generate", "c.v"}, "takes no other"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
