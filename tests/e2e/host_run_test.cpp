// The host side of a run through the real binary: page titles and button states, the ways a
// run ends (Finish, Back-out, Cancel) with their exit statuses and files, an unwritable
// description, page placement, the summary list, help, and the notices to the caller.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/e2e_session.h"

namespace {

namespace fs = std::filesystem;

const std::string kNext = "click \"Next >\"\n";
const std::string kBack = "click \"< Back\"\n";
const std::string kTitle = "Corvex Plug-In Manager - RS CODEC - 1.00";

// An existing design's description: a five-bit encoder.
const std::string kOldDescription =
    "GENERATION: STANDARD\nVERSION: WM1.0\nMODULE: RS_Enc\n\n"
    "PRIVATE: Enc_Dec NUMERIC \"1\"\nPRIVATE: GENSTART_V NUMERIC \"3\"\n"
    "PRIVATE: generate_vectorfile NUMERIC \"1\"\n\n"
    "CONSTANT: m NUMERIC \"5\"\nCONSTANT: n NUMERIC \"31\"\nCONSTANT: check NUMERIC \"6\"\n"
    "CONSTANT: irrpol NUMERIC \"41\"\nCONSTANT: genstart NUMERIC \"3\"\n";

// --- titles and button states ----------------------------------------------------------------

TEST(HostRun, TitlesCountTheManagersPages) {
  e2e::Session session;
  const auto r = session.RunNew(
      "dump\n" + kNext + "dump\n" + kNext + "dump\n" + kNext + "dump\nclick Cancel\n", {"-p2"});
  EXPECT_EQ(r.exitStatus, 2);
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[0].caption, kTitle + " [page 3 of 6]");
  EXPECT_EQ(pages[1].caption, kTitle + " [page 4 of 6]");
  EXPECT_EQ(pages[2].caption, kTitle + " [page 5 of 6]");
  EXPECT_EQ(pages[3].caption, kTitle + " [page 6 of 6] -- Summary");
  // After the manager's own pages the first page can go back.
  for (const char* button : {"< Back", "Next >", "Cancel", "Finish"})
    EXPECT_TRUE(pages[0].Get("button", button).enabled) << button;
  EXPECT_FALSE(pages[3].Get("button", "Next >").enabled);
  EXPECT_TRUE(pages[3].Get("button", "Finish").isDefault);
  EXPECT_TRUE(pages[3].Get("button", "< Back").enabled);
}

// Offsets at and beyond the ends of int (which the command line saturates to) count on in
// full: no page number wraps.
TEST(HostRun, TitlesOfHugeOffsetsDoNotWrap) {
  const struct {
    const char* option;
    const char* first;
    const char* last;
  } cases[] = {{"-p99999999999", "2147483648 of 2147483651", "2147483651 of 2147483651"},
               {"-p2147483646", "2147483647 of 2147483650", "2147483650 of 2147483650"},
               {"-p-99999999999", "-2147483647 of -2147483644", "-2147483644 of -2147483644"}};
  for (const auto& c : cases) {
    e2e::Session session;
    const auto r =
        session.RunNew("dump\n" + kNext + kNext + kNext + "dump\nclick Cancel\n", {c.option});
    const auto pages = e2e::ParseDumps(r.out);
    ASSERT_EQ(pages.size(), 2u) << c.option;
    EXPECT_EQ(pages[0].caption, kTitle + " [page " + c.first + "]");
    EXPECT_EQ(pages[1].caption, kTitle + " [page " + c.last + "] -- Summary");
  }
}

TEST(HostRun, TitlesAndButtonsWithoutOffset) {
  e2e::Session session;
  const auto r =
      session.RunNew("dump\n" + kNext + "dump\n" + kNext + kNext + "dump\nclick Cancel\n");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].caption, kTitle + " [page 1 of 4]");
  EXPECT_FALSE(pages[0].Get("button", "< Back").enabled);
  EXPECT_TRUE(pages[0].Get("button", "Next >").isDefault);
  EXPECT_FALSE(pages[0].Get("button", "Finish").isDefault);
  EXPECT_EQ(pages[1].caption, kTitle + " [page 2 of 4]");
  for (const char* button : {"< Back", "Next >", "Cancel", "Finish"})
    EXPECT_TRUE(pages[1].Get("button", button).enabled) << button;
  EXPECT_EQ(pages[2].caption, kTitle + " [page 4 of 4] -- Summary");
}

// --- how a run ends --------------------------------------------------------------------------

TEST(HostRun, FinishOnTheFirstPageWritesTheDescriptionAndVectors) {
  e2e::Session session;
  const auto r = session.RunNew("click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(fs::is_regular_file(session.File("rs.cnx")));
  EXPECT_TRUE(fs::is_regular_file(session.File("rs.vec")));
}

TEST(HostRun, NextOnTheSummaryFinishes) {
  e2e::Session session;
  const auto r = session.RunNew(kNext + kNext + kNext + "key Enter\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_TRUE(fs::is_regular_file(session.File("rs.cnx")));
}

TEST(HostRun, BackOutOfTheFirstPageWritesAsOnFinishing) {
  e2e::Session session;
  const auto r = session.RunNew("dump\nclick Decoder\n" + kBack, {"-p1"});
  EXPECT_EQ(r.exitStatus, 255);  // -1
  EXPECT_EQ(r.err, "");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].caption, kTitle + " [page 2 of 5]");
  const auto d = session.Written();
  ASSERT_TRUE(d.exists);
  EXPECT_EQ(d.module, "rsdsca");
  for (const char* name : {"rs.vec", "inv_4_19.hex", "evnum_4_19_0.hex"})
    EXPECT_TRUE(fs::is_regular_file(session.File(name))) << name;
}

TEST(HostRun, BackOutAfterGoingForwardAndBack) {
  e2e::Session session;
  const auto r = session.RunNew(kNext + kNext + kBack + kBack + kBack, {"-p3"});
  EXPECT_EQ(r.exitStatus, 255);
  EXPECT_TRUE(session.Written().exists);
}

class Cancelling : public ::testing::TestWithParam<std::string> {};

TEST_P(Cancelling, DeletesTheDescriptionAndWritesNothing) {
  e2e::Session session;
  testsupport::WriteFileText(session.File("rs.cnx"), kOldDescription);
  const auto r = testsupport::RunWizard({session.Design()}, "click Decoder\n" + GetParam());
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(fs::is_empty(session.Dir())) << "files left behind";
}

std::string CancelName(const ::testing::TestParamInfo<std::string>& info) {
  const char* names[] = {"CancelButton", "EscapeKey", "CloseBox", "OnTheFilesPage", "EndOfInput"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(HostRun, Cancelling,
                         ::testing::Values("click Cancel\n", "key Escape\n", "close\n",
                                           kNext + kNext + "click Cancel\n", ""),
                         CancelName);

TEST(HostRun, CancelWithoutDescriptionIsQuiet) {
  e2e::Session session;
  const auto r = session.RunNew("click Cancel\n");
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(fs::is_empty(session.Dir()));
}

TEST(HostRun, ExistingDescriptionIsReadAndRewritten) {
  e2e::Session session;
  testsupport::WriteFileText(session.File("rs.cnx"), kOldDescription);
  const auto r = testsupport::RunWizard({session.Design()}, kNext + "dump\nclick Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].Get("field", e2e::kBits).text, "5");
  EXPECT_EQ(pages[0].Get("field", e2e::kSymbols).text, "31");
  EXPECT_EQ(pages[0].Get("field", e2e::kChecks).text, "6");
  EXPECT_EQ(pages[0].Get("field", e2e::kPolynomial).text, "41");
  EXPECT_EQ(pages[0].Get("field", e2e::kFirstRoot).text, "3");
  EXPECT_EQ(e2e::CodeText(session.Written()), e2e::CodeText(e2e::Code{5, 31, 6, 41, 3}));
}

// A description that cannot be replaced: the message names it, the exit status stays 0.
TEST(HostRun, UnwritableDescription) {
  e2e::Session session;
  const fs::path cnx = session.File("rs.cnx");
  testsupport::WriteFileText(cnx, kOldDescription);
  fs::permissions(cnx, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  std::vector<std::string> args = {session.Design()};
  if (::access(cnx.c_str(), W_OK) == 0) {
    // The super-user writes read-only files anyway; a directory in the file's place cannot be
    // opened for writing by anyone.
    fs::permissions(cnx, fs::perms::owner_all);
    fs::remove(cnx);
    fs::create_directory(cnx);
    args = {"-n", session.Design()};
  }
  const auto r = testsupport::RunWizard(args, "click Finish\n");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "Corvex Plug-In Manager: Can't write file " + session.Dir() + "rs.cnx\n");
  // The generated files come before the description and are written all the same.
  EXPECT_TRUE(fs::is_regular_file(session.File("rs.vec")));
  if (fs::is_regular_file(cnx)) {
    EXPECT_EQ(testsupport::ReadFileText(cnx), kOldDescription);
  }
}

// --- placement -------------------------------------------------------------------------------

TEST(HostRun, CornerFromTheCommandLine) {
  e2e::Session session;
  const auto r = session.RunNew(
      "dump\n" + kNext + "dump\n" + kNext + kNext + "dump\nclick Cancel\n", {"-x700", "-y500"});
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 3u);
  for (const auto& page : pages) {
    EXPECT_EQ(page.right, 700) << page.caption;
    EXPECT_EQ(page.bottom, 500) << page.caption;
    EXPECT_GE(page.Width(), 253) << page.caption;
  }
}

TEST(HostRun, XAloneKeepsTheDefaultY) {
  e2e::Session session;
  const auto r = session.RunNew("dump\nclick Cancel\n", {"-x500"});
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].right, 500);
  EXPECT_EQ(pages[0].bottom, 100);
}

TEST(HostRun, CentredOnTheScreenAndCornerCarriedOn) {
  e2e::Session session;
  const auto r = session.RunNew("dump\n" + kNext + "dump\nmove 650 450\n" + kNext + "dump\n" +
                                "move 640 480\n" + kBack + "dump\nclick Cancel\n");
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 4u);
  const auto& first = pages[0];
  EXPECT_EQ(first.left, (0 + 1024) / 2 - first.Width() / 2);
  EXPECT_EQ(first.top, (0 + 768) / 2 - first.Height() / 2);
  // Page 2 takes the corner of page 1, page 3 the corner page 2 was dragged to, and back on
  // page 2 the corner page 3 was dragged to.
  EXPECT_EQ(pages[1].right, first.right);
  EXPECT_EQ(pages[1].bottom, first.bottom);
  EXPECT_EQ(pages[2].right, 650);
  EXPECT_EQ(pages[2].bottom, 450);
  EXPECT_EQ(pages[3].caption, kTitle + " [page 2 of 4]");
  EXPECT_EQ(pages[3].right, 640);
  EXPECT_EQ(pages[3].bottom, 480);
}

// --- summary ---------------------------------------------------------------------------------

struct SummaryCase {
  const char* name;
  std::string designArg;
  bool symbol;
  std::vector<std::string> expected;  // with {dir} for the run's directory, backslashes
};

class Summary : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(Summary, ListsTheFilesTheManagerWillCreate) {
  const SummaryCase& c = GetParam();
  testsupport::TempDir dir;
  std::string dirText = dir.Dir();
  auto fill = [&](std::string s) {
    const auto at = s.find("{dir}");
    if (at != std::string::npos) s.replace(at, 5, dirText);
    for (auto& ch : s)
      if (ch == '/') ch = '\\';
    return s;
  };
  std::string design = c.designArg;
  if (const auto at = design.find("{dir}"); at != std::string::npos) design.replace(at, 5, dirText);
  testsupport::RunOptions options;
  options.args = {"-n", design};
  if (c.symbol) options.args.insert(options.args.begin(), "-symbol");
  options.input = kNext + kNext + kNext + "dump\nclick Cancel\n";
  options.workingDirectory = dir.Path().string();
  const auto r = testsupport::RunWizardBinary(options);
  EXPECT_EQ(r.exitStatus, 2);
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  std::vector<std::string> expected;
  for (const auto& e : c.expected) expected.push_back(fill(e));
  EXPECT_EQ(pages[0].Get("list", "").items, expected);
  EXPECT_TRUE(
      pages[0].Get("label", "The Corvex Plug-In Manager will create the following files:").enabled);
}

const SummaryCase kSummaryCases[] = {
    {"ForwardSlashes", "{dir}rs.tdf", false, {"{dir}rs.tdf", "{dir}rs.inc", "{dir}rs.cmp"}},
    {"ForwardSlashesWithSymbol",
     "{dir}rs.tdf",
     true,
     {"{dir}rs.tdf", "{dir}rs.inc", "{dir}rs.cmp", "{dir}rs.sym"}},
    {"BackslashedPath",
     "C:\\w\\rs.tdf",
     false,
     {"C:\\w\\rs.tdf", "C:\\w\\rs.inc", "C:\\w\\rs.cmp"}},
    {"BackslashedPathWithSymbol",
     "C:\\w\\rs.tdf",
     true,
     {"C:\\w\\rs.tdf", "C:\\w\\rs.inc", "C:\\w\\rs.cmp", "C:\\w\\rs.sym"}},
    {"NoDirectory", "codec.vhd", false, {"codec.vhd", "codec.inc", "codec.cmp"}},
    {"VerilogWithSymbol",
     "{dir}sub/rs.v",
     true,
     {"{dir}sub/rs.v", "{dir}sub/rs.inc", "{dir}sub/rs.cmp", "{dir}sub/rs.sym"}},
};

INSTANTIATE_TEST_SUITE_P(HostRun, Summary, ::testing::ValuesIn(kSummaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- help ------------------------------------------------------------------------------------

TEST(HostRun, F1ShowsTheHelpFileNextToTheBinary) {
  const fs::path helpFile = fs::path(RS_BINARY_PATH).replace_extension(".hlp");
  ASSERT_TRUE(fs::is_regular_file(helpFile)) << helpFile;
  std::string help = testsupport::ReadFileText(helpFile);
  if (help.empty() || help.back() != '\n') help += '\n';
  e2e::Session session;
  const auto r = session.RunNew(kNext + "key F1\ndump\nclick Cancel\n");
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "");
  const std::string block = "help \"RS CODEC - 1.00\"\n" + help + "end help\n";
  ASSERT_GE(r.out.size(), block.size());
  EXPECT_EQ(r.out.substr(0, block.size()), block);
  // The page stays open.
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0].caption, kTitle + " [page 2 of 4]");
}

TEST(HostRun, F1WithoutAHelpFile) {
  testsupport::TempDir binDir;
  const fs::path copy = binDir.Path() / "rswizard";
  fs::copy_file(RS_BINARY_PATH, copy);
  e2e::Session session;
  testsupport::RunOptions options;
  options.program = copy.string();
  options.args = {"-n", session.Design()};
  options.input = "key F1\nclick Cancel\n";
  const auto r = testsupport::RunWizardBinary(options);
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "Corvex Plug-In Manager: Can't find the Tessaron help file " +
                       (binDir.Path() / "rswizard.hlp").string() + "\n");
  EXPECT_EQ(r.out, "");
}

// --- notices to the caller -------------------------------------------------------------------

// A datagram socket where the manager's thread `threadId` would listen.
class NoticeReceiver {
 public:
  NoticeReceiver(const fs::path& directory, int threadId) {
    fd_ = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = (directory / ("corvex-" + std::to_string(threadId))).string();
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bound_ =
        fd_ >= 0 && ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  }
  ~NoticeReceiver() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Bound() const { return bound_; }
  // Everything that has arrived, in order.
  std::vector<std::string> Received() {
    std::vector<std::string> all;
    char buffer[256];
    for (;;) {
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n < 0) break;
      all.emplace_back(buffer, static_cast<std::size_t>(n));
    }
    return all;
  }

 private:
  int fd_ = -1;
  bool bound_ = false;
};

struct NoticeCase {
  const char* name;
  std::vector<std::string> args;  // before the design
  std::string events;
  std::vector<std::string> expected;  // {x} {y}: the corner the centring gives the first page
};

class Notices : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(Notices, OnePerButtonPressWithThePageCorner) {
  const NoticeCase& c = GetParam();
  e2e::Session session;
  testsupport::TempDir runtime;
  NoticeReceiver receiver(runtime.Path(), 1234);
  NoticeReceiver defaultThread(runtime.Path(), 0);
  ASSERT_TRUE(receiver.Bound());
  ASSERT_TRUE(defaultThread.Bound());
  std::vector<std::string> args = c.args;
  args.push_back("-n");
  args.push_back(session.Design());
  const auto r = testsupport::RunWizard(args, "dump\n" + c.events,
                                        {"XDG_RUNTIME_DIR=" + runtime.Path().string()});
  const auto pages = e2e::ParseDumps(r.out);
  ASSERT_FALSE(pages.empty());
  // The centring puts the corner at the middle of the screen plus half the page, each half
  // rounded toward zero.
  const std::string x = std::to_string(1024 / 2 + pages[0].Width() / 2);
  const std::string y = std::to_string(768 / 2 + pages[0].Height() / 2);
  std::vector<std::string> expected;
  for (std::string e : c.expected) {
    if (const auto at = e.find("{x}"); at != std::string::npos) e.replace(at, 3, x);
    if (const auto at = e.find("{y}"); at != std::string::npos) e.replace(at, 3, y);
    expected.push_back(e);
  }
  EXPECT_EQ(receiver.Received(), expected);
  EXPECT_EQ(defaultThread.Received(), std::vector<std::string>{});
}

const NoticeCase kNoticeCases[] = {
    {"NextBackNextFinish",
     {"-h1234", "-x700", "-y500"},
     kNext + "move 650 450\n" + kBack + kNext + "click Finish\n",
     {"1034 700 500", "1034 650 450", "1034 650 450", "1034 650 450"}},
    {"CancelSendsTheLastSavedCorner",
     {"-h1234", "-x700", "-y500"},
     kNext + "move 600 400\nclick Cancel\n",
     {"1034 700 500", "1034 700 500"}},
    {"CancelOnTheCentredFirstPage", {"-h1234"}, "move 600 400\nclick Cancel\n", {"1034 {x} {y}"}},
    {"EscapeKey", {"-h1234", "-x300", "-y400"}, "key Escape\n", {"1034 300 400"}},
    {"FinishOnTheSummary",
     {"-h1234", "-x700", "-y500"},
     kNext + kNext + kNext + "click Finish\n",
     {"1034 700 500", "1034 700 500", "1034 700 500", "1034 700 500"}},
    {"EnterLeavesAPageWithoutNotice",
     {"-h1234", "-x700", "-y500"},
     "key Enter\nclick Finish\n",
     {"1034 700 500"}},
    {"EnterOnTheSummaryFinishes",
     {"-h1234", "-x700", "-y500"},
     kNext + kNext + kNext + "key Enter\n",
     {"1034 700 500", "1034 700 500", "1034 700 500", "1034 700 500"}},
    {"BackOut", {"-h1234", "-p1", "-x640", "-y480"}, kBack, {"1034 640 480"}},
    {"NoneWithoutH", {"-x700", "-y500"}, kNext + kBack + kNext + "click Finish\n", {}},
    {"NoneWithoutHOnCancel", {}, "click Cancel\n", {}},
};

INSTANTIATE_TEST_SUITE_P(HostRun, Notices, ::testing::ValuesIn(kNoticeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostRun, ThreadOptionWithoutDigitsNotifiesThreadZero) {
  e2e::Session session;
  testsupport::TempDir runtime;
  NoticeReceiver receiver(runtime.Path(), 0);
  ASSERT_TRUE(receiver.Bound());
  const auto r =
      testsupport::RunWizard({"-h", "-x700", "-y500", "-n", session.Design()}, "click Finish\n",
                             {"XDG_RUNTIME_DIR=" + runtime.Path().string()});
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(receiver.Received(), std::vector<std::string>{"1034 700 500"});
}

}  // namespace
