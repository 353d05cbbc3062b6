// A person at a terminal: the real binary on a pseudo-terminal, driven key by key.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/e2e/e2e_session.h"
#include "tests/support/pty_session.h"

namespace {

TEST(Terminal, NumbersCompletionSuggestionsMessagesAndCtrlD) {
  e2e::Session session;
  testsupport::PtySession tty({"-n", session.Design()});
  // The first page, numbered: six radio buttons, then the four buttons.
  ASSERT_NE(tty.WaitFor("[2]  radio \"Decoder\" enabled\r\n"), "") << tty.Output();
  ASSERT_NE(tty.WaitFor("[10] button \"Finish\" enabled\r\n"), "") << tty.Output();

  // A number alone clicks; the page changed, so it is shown again.
  tty.Send("2\r");
  EXPECT_NE(tty.WaitFor("= click Decoder\r\n"), "") << tty.Output();
  EXPECT_NE(tty.WaitFor("[2]  radio \"Decoder\" enabled marked\r\n"), "") << tty.Output();

  // A mistyped event gets a suggestion, and the unchanged page is not shown again.
  tty.Send("clik Finish\r");
  const std::string error = tty.WaitFor("did you mean \"click\"?\r\n");
  EXPECT_NE(error.find("error: unknown event \"clik\"; "), std::string::npos) << tty.Output();
  tty.Send("dump\r");
  const std::string beforeDump = tty.WaitFor("page \"");
  EXPECT_NE(beforeDump, "") << tty.Output();
  EXPECT_EQ(beforeDump.find("[2]"), std::string::npos) << "page shown again before dump";

  // Tab completes the event and the button's quoted text.
  tty.Send("cli\tNe\t\r");
  EXPECT_NE(tty.WaitFor("> click \"Next >\" "), "") << tty.Output();
  const std::string page2 = tty.WaitFor("[10] button \"Finish\" enabled\r\n");
  EXPECT_NE(page2.find("[2]  field \"Number of symbols per codeword\" enabled text \"5\" items "
                       "\"5\" \"6\" \xE2\x80\xA6 \"15\" (11 items)\r\n"),
            std::string::npos)
      << tty.Output();

  // A field's number asks for its value with the items numbered; 9 is typed, out of range, and
  // the message box is printed readably.
  tty.Send("1\r");
  EXPECT_NE(tty.WaitFor("  1) 4    2) 5    3) 6    4) 7    5) 8\r\n"), "") << tty.Output();
  tty.Send("9\r");
  EXPECT_NE(tty.WaitFor("= type \"Number of bits per symbol\" 9\r\n"
                        "Invalid number of bits per symbol.\r\n"
                        "  The value you have entered is too big.\r\n"
                        "  It must be between 4 and 8.\r\n"),
            "")
      << tty.Output();

  ASSERT_NE(tty.WaitFor("\x1b[J> "), "") << tty.Output();  // the prompt, raw mode on
  tty.Send("\x04");
  EXPECT_NE(tty.WaitFor("end of input: cancelled\r\n"), "") << tty.Output();
  EXPECT_EQ(tty.Finish(), 2);
  EXPECT_TRUE(std::filesystem::is_empty(session.Dir()));
}

}  // namespace
