#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "platform/console/console_ui.h"
#include "tests/support/fake_platform.h"
#include "tests/support/text_lines.h"

namespace {

using platform::ControlKind;

constexpr int kFinish = 10;
constexpr int kNext = 12;
constexpr int kCancel = 2;
constexpr int kField = 30;
constexpr int kEdit = 31;
constexpr int kRadio = 20;

// A page of the test: a radio button, a field with a list, an editable and a read-only edit;
// the button bar is created by the handler, last, as a page does.
platform::DialogTemplate PageTemplate(std::string caption) {
  platform::DialogTemplate t;
  t.number = 5;
  t.caption = std::move(caption);
  t.width = 100;  // 150 x 81 pixels of client area
  t.height = 50;
  auto add = [&t](ControlKind kind, int id, std::string text, std::string label) {
    platform::TemplateControl c;
    c.kind = kind;
    c.id = id;
    c.text = std::move(text);
    c.label = std::move(label);
    t.controls.push_back(c);
  };
  add(ControlKind::RadioButton, kRadio, "Decoder", "");
  add(ControlKind::RadioButton, 21, "Encoder", "");
  add(ControlKind::Field, kField, "8", "Bits");
  t.controls.back().items = {"4", "5", "8"};
  add(ControlKind::Edit, kEdit, "", "Name");
  add(ControlKind::Edit, 32, "C:\\w\\rs.vec", "Vector file");
  return t;
}

// Records every call as a line and ends the dialog on Finish (OK), Cancel, Escape and the close
// box (cancel), unless told to ignore cancelling.
class FakePage : public platform::DialogHandler {
 public:
  explicit FakePage(std::vector<std::string>& log, std::string name = "")
      : log_(log), name_(std::move(name)) {}
  bool ignoreCancel = false;
  bool endInInit = false;
  std::function<void(platform::Dialog&, int)> onClick;

  void OnInitDialog(platform::Dialog& dialog) override {
    Log("init");
    dialog.Find(32)->readOnly = true;
    dialog.Enable(21, false);
    dialog.CreateControl(ControlKind::PushButton, kCancel, "Cancel", {0, 0, 56, 20});
    dialog.CreateControl(ControlKind::PushButton, kNext, "Next >", {0, 0, 56, 20});
    dialog.CreateControl(ControlKind::PushButton, kFinish, "Finish", {0, 0, 56, 20});
    dialog.SetDefaultLook(kNext, true);
    if (endInInit) dialog.End(platform::kResultOk);
  }
  void OnClicked(platform::Dialog& dialog, int id) override {
    Log("click " + std::to_string(id));
    if (onClick) onClick(dialog, id);
    if (id == kFinish) dialog.End(platform::kResultOk);
    if (id == kCancel) dialog.End(platform::kResultCancel);
  }
  void OnFieldLeave(platform::Dialog& dialog, int id) override {
    Log("leave " + std::to_string(id) + " " + dialog.Text(id));
  }
  void OnFieldPick(platform::Dialog& dialog, int id) override {
    Log("pick " + std::to_string(id) + " " + dialog.Text(id) + " #" +
        std::to_string(dialog.Find(id)->selection));
  }
  void OnOkCommand(platform::Dialog&) override { Log("ok"); }
  void OnCancelCommand(platform::Dialog& dialog) override {
    Log("cancel");
    if (!ignoreCancel) dialog.End(platform::kResultCancel);
  }
  void OnHelpCommand(platform::Dialog&) override { Log("help"); }

 private:
  void Log(const std::string& line) { log_.push_back(name_ + line); }
  std::vector<std::string>& log_;
  std::string name_;
};

struct ScriptRun {
  std::vector<std::string> log;
  std::string out;
  std::string err;
  int result = 0;
};

ScriptRun RunScript(
    const std::string& script, bool interactive = false,
    const std::function<void(FakePage&, platform::ConsoleUi&, ScriptRun&)>& setUp = {}) {
  ScriptRun run;
  std::istringstream in(script);
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, interactive);
  FakePage page(run.log);
  if (setUp) setUp(page, ui, run);
  run.result = ui.RunModal(PageTemplate("Page"), nullptr, page);
  run.out = out.str();
  run.err = err.str();
  return run;
}

using Log = std::vector<std::string>;

TEST(ConsoleUi, ClickReachesTheHandlerWithTheControlsId) {
  const ScriptRun run = RunScript("click Decoder\nclick \"Next >\"\nclick Finish\n");
  EXPECT_EQ(run.log, (Log{"init", "click 20", "click 12", "click 10"}));
  EXPECT_EQ(run.result, platform::kResultOk);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "");
}

TEST(ConsoleUi, TypeSetsTheTextThenLeavesTheField) {
  const ScriptRun run =
      RunScript("type Bits 9\ntype Name \"C:\\\\w x\"\ntype Bits \"\"\nclick Finish\n");
  EXPECT_EQ(run.log, (Log{"init", "leave 30 9", "leave 31 C:\\w x", "leave 30 ", "click 10"}));
}

TEST(ConsolePick, SelectsTheItemByTextThenPicks) {
  const ScriptRun run = RunScript("pick Bits 5\nclick Finish\n");
  EXPECT_EQ(run.log, (Log{"init", "pick 30 5 #1", "click 10"}));
  EXPECT_EQ(run.err, "");
}

TEST(ConsoleUi, KeysAndCloseBox) {
  ScriptRun run = RunScript("key Enter\nkey F1\nkey Escape\n");
  EXPECT_EQ(run.log, (Log{"init", "ok", "help", "cancel"}));
  EXPECT_EQ(run.result, platform::kResultCancel);
  run = RunScript("close\nclick Finish\n");
  EXPECT_EQ(run.log, (Log{"init", "cancel"}));
}

TEST(ConsoleUi, DumpOfAPageAndMovePutsItsOuterLowerRightCornerThere) {
  const ScriptRun run = RunScript("dump\nmove 600 500\ndump\nmove -10 +20\ndump\n");
  const std::string controls =
      "radio \"Decoder\" enabled\nradio \"Encoder\" disabled\n"
      "field \"Bits\" enabled text \"8\" items \"4\" \"5\" \"8\"\n"
      "edit \"Name\" enabled text \"\"\n"
      "edit \"Vector file\" enabled readonly text \"C:\\\\w\\\\rs.vec\"\n"
      "button \"Cancel\" enabled\nbutton \"Next >\" enabled default\nbutton \"Finish\" enabled\n";
  EXPECT_EQ(run.out, "page \"Page\"\nrect 0 0 156 106\n" + controls +
                         "page \"Page\"\nrect 444 394 600 500\n" + controls +
                         "page \"Page\"\nrect -166 -86 -10 20\n" + controls);
}

struct BadEvent {
  std::string line;
  std::string error;
};

TEST(ConsoleUi, BadEventsPrintOneErrorLineAndChangeNothing) {
  const std::vector<BadEvent> cases = {
      {"click Nothing", "error: no button \"Nothing\" on this page\n"},
      {"click Encoder", "error: button \"Encoder\" is disabled\n"},
      {"click Bits", "error: no button \"Bits\" on this page\n"},
      {"click", "error: usage: click TEXT\n"},
      {"click Next >", "error: usage: click TEXT\n"},
      {"type Nothing 5", "error: no field \"Nothing\" on this page\n"},
      {"type \"Vector file\" x", "error: field \"Vector file\" is read-only\n"},
      {"type Bits", "error: usage: type LABEL TEXT\n"},
      {"pick Bits 6", "error: no item \"6\" in the list of \"Bits\"\n"},
      {"pick Name x", "error: no field \"Name\" on this page\n"},
      {"key Return", "error: unknown key \"Return\" (Enter, Escape or F1)\n"},
      {"move 1 x", "error: bad number \"x\"\n"},
      {"move 99999999 0", "error: bad number \"99999999\"\n"},
      {"move 1", "error: usage: move X Y\n"},
      {"close now", "error: usage: close\n"},
      {"dump all", "error: usage: dump\n"},
      {"Click Finish", "error: unknown event \"Click\"\n"},
      {"\"\"", "error: unknown event \"\"\n"},
      {"click \"Finish", "error: unterminated quote\n"},
      {std::string("cl\0ck", 5), "error: unknown event \"cl\\x00ck\"\n"},
      {"snapshot", "error: usage: snapshot FILE.png\n"},
      {"snapshot \"\"", "error: snapshot needs a file name\n"},
  };
  for (const BadEvent& c : cases) {
    const ScriptRun run = RunScript(c.line + "\ndump\nclick Finish\n");
    EXPECT_EQ(run.err, c.error) << c.line;
    EXPECT_EQ(run.log, (Log{"init", "click 10"})) << c.line;
    const ScriptRun clean = RunScript("dump\n");
    EXPECT_EQ(run.out, clean.out) << c.line;
  }
}

TEST(ConsoleUi, DisabledFieldRefusesTypeAndPick) {
  // Enabled: both reach the handler.
  const ScriptRun run = RunScript("type Bits 4\npick Bits 4\nclick Finish\n");
  EXPECT_EQ(run.log, (Log{"init", "leave 30 4", "pick 30 4 #0", "click 10"}));
  class DisablingPage : public FakePage {
   public:
    using FakePage::FakePage;
    void OnInitDialog(platform::Dialog& dialog) override {
      FakePage::OnInitDialog(dialog);
      dialog.Enable(kField, false);
    }
  };
  std::istringstream in("type Bits 4\npick Bits 4\n");
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, false);
  Log log;
  DisablingPage page(log);
  ui.RunModal(PageTemplate("P"), nullptr, page);
  EXPECT_EQ(err.str(), "error: field \"Bits\" is disabled\nerror: field \"Bits\" is disabled\n");
  EXPECT_EQ(log, (Log{"init", "cancel"}));
}

TEST(ConsoleUi, SkipsBlankAndCommentLinesAndReadsCrLfAndNoFinalLineFeed) {
  const ScriptRun run = RunScript("\n   \n# click Finish\r\n\t# x\nkey F1\r\nclick Finish");
  EXPECT_EQ(run.log, (Log{"init", "help", "click 10"}));
  EXPECT_EQ(run.err, "");
}

TEST(ConsoleUi, EndOfInputActsAsTheCloseBox) {
  const ScriptRun run = RunScript("key Enter\n");
  EXPECT_EQ(run.log, (Log{"init", "ok", "cancel"}));
  EXPECT_EQ(run.result, platform::kResultCancel);
}

TEST(ConsoleUi, EndOfInputEndsADialogWhoseHandlerIgnoresCancel) {
  const ScriptRun run =
      RunScript("close\n", false,
                [](FakePage& page, platform::ConsoleUi&, ScriptRun&) { page.ignoreCancel = true; });
  EXPECT_EQ(run.log, (Log{"init", "cancel", "cancel"}));
  EXPECT_EQ(run.result, platform::kResultCancel);
}

TEST(ConsoleUi, DialogEndedInItsInitialisationReadsNothing) {
  std::istringstream in("click Finish\n");
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, true);
  Log log;
  FakePage page(log);
  page.endInInit = true;
  EXPECT_EQ(ui.RunModal(PageTemplate("P"), nullptr, page), platform::kResultOk);
  EXPECT_EQ(log, (Log{"init"}));
  EXPECT_EQ(out.str(), "");
  std::string rest;
  std::getline(in, rest);
  EXPECT_EQ(rest, "click Finish");
}

TEST(ConsoleUi, NestedDialogTakesTheEventsUntilItEnds) {
  Log log;
  std::istringstream in("click Decoder\ndump\nclick Finish\nclick \"Next >\"\nclick Finish\n");
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, false);
  FakePage outer(log, "outer ");
  FakePage inner(log, "inner ");
  int innerResult = 0;
  outer.onClick = [&](platform::Dialog& dialog, int id) {
    if (id == kRadio) innerResult = ui.RunModal(PageTemplate("Inner"), &dialog, inner);
  };
  EXPECT_EQ(ui.RunModal(PageTemplate("Outer"), nullptr, outer), platform::kResultOk);
  EXPECT_EQ(innerResult, platform::kResultOk);
  EXPECT_EQ(log, (Log{"outer init", "outer click 20", "inner init", "inner click 10",
                      "outer click 12", "outer click 10"}));
  EXPECT_EQ(out.str().substr(0, 14), "page \"Inner\"\nr");
}

TEST(ConsoleUi, EndOfInputClosesNestedDialogsInnermostFirst) {
  Log log;
  std::istringstream in("click Decoder\n");
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, false);
  FakePage outer(log, "outer ");
  FakePage inner(log, "inner ");
  outer.onClick = [&](platform::Dialog& dialog, int id) {
    if (id == kRadio) ui.RunModal(PageTemplate("Inner"), &dialog, inner);
  };
  EXPECT_EQ(ui.RunModal(PageTemplate("Outer"), nullptr, outer), platform::kResultCancel);
  EXPECT_EQ(log,
            (Log{"outer init", "outer click 20", "inner init", "inner cancel", "outer cancel"}));
}

// At a terminal: the page numbered, shown at start and again only when it changed (after the
// move, not after the error), once for dump; Ctrl-D's line.
TEST(ConsoleUi, InteractiveModeShowsTheNumberedPageWhenItChanges) {
  const ScriptRun run = RunScript("move 200 200\ndump\nbogus\n", true);
  const std::string start = testsupport::SplitLines(RunScript("dump\n").out).at(1);
  const auto view = [](const std::string& rect) {
    return "page \"Page\"\n" + rect +
           "\n[1] radio \"Decoder\" enabled\n[2] radio \"Encoder\" disabled\n"
           "[3] field \"Bits\" enabled text \"8\" items \"4\" \"5\" \"8\"\n"
           "[4] edit \"Name\" enabled text \"\"\n"
           "    edit \"Vector file\" enabled readonly text \"C:\\\\w\\\\rs.vec\"\n"
           "[5] button \"Cancel\" enabled\n[6] button \"Next >\" enabled default\n"
           "[7] button \"Finish\" enabled\n";
  };
  const std::string hint =
      "# \"help\" lists the events; a number alone acts on the control numbered so; Tab "
      "completes; Ctrl-D cancels\n";
  EXPECT_EQ(run.out, view(start) + hint + "> " + view("rect 44 94 200 200") + "> " +
                         view("rect 44 94 200 200") + "> > \nend of input: cancelled\n");
  EXPECT_EQ(run.err, "error: unknown event \"bogus\"; \"help\" lists the events\n");
  EXPECT_EQ(run.log, (Log{"init", "cancel"}));
}

// A number alone: an edit asks for its text, a field takes an item's number, a button is
// clicked, a disabled one refused.
TEST(ConsoleUi, InteractiveNumbersActOnTheirControls) {
  const ScriptRun run = RunScript("4\nJo\n3\n2\n2\n1\n9\n", true);
  EXPECT_EQ(run.log, (Log{"init", "leave 31 Jo", "pick 30 5 #1", "click 20", "cancel"}));
  EXPECT_EQ(run.err,
            "error: button \"Encoder\" is disabled\n"
            "error: no control [9] on this page (the numbers run from 1 to 7)\n");
}

TEST(ConsoleUi, OverlongLineIsRefusedAndTheNextLineStillRuns) {
  const ScriptRun run = RunScript("click " + std::string(100000, 'F') + "\nclick Finish\n");
  EXPECT_EQ(run.err, "error: line longer than 65536 bytes ignored\n");
  EXPECT_EQ(run.log, (Log{"init", "click 10"}));
}

TEST(ConsoleUi, ArbitraryBytesNeverCrashOrHang) {
  std::string noise;
  unsigned state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1103515245u + 12345u;
    noise += static_cast<char>((state >> 16) & 0xff);
  }
  const ScriptRun run = RunScript(noise);
  ASSERT_FALSE(run.log.empty());
  EXPECT_EQ(run.log.front(), "init");
  EXPECT_EQ(run.result, platform::kResultCancel);
}

TEST(ConsoleUi, SnapshotHandsTheCurrentDialogAndPathToTheRenderer) {
  std::vector<std::string> calls;
  const auto renderer = [&calls](const platform::Dialog& dialog, const std::string& path,
                                 std::string* error) {
    calls.push_back(dialog.Caption() + " -> " + path);
    if (path == "ok.png") return true;
    *error = "The module could not be loaded. Tried:\n  /a\n  /b\nInstall it.";
    return false;
  };
  const ScriptRun run = RunScript(
      "snapshot ok.png\nsnapshot \"bad dir/p.png\"\nclick Finish\n", false,
      [&](FakePage&, platform::ConsoleUi& ui, ScriptRun&) { ui.SetSnapshotRenderer(renderer); });
  EXPECT_EQ(calls, (Log{"Page -> ok.png", "Page -> bad dir/p.png"}));
  EXPECT_EQ(run.err, "error: The module could not be loaded. Tried: /a /b Install it.\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.log, (Log{"init", "click 10"}));
}

TEST(ConsoleUi, MessageBoxIsOneEscapedLineOnTheErrorStream) {
  std::istringstream in;
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, false);
  ui.MessageBox(nullptr, "Value to big.\nValue set to 29.\t\\", "Invalid check symbol value");
  EXPECT_EQ(err.str(), "Invalid check symbol value: Value to big.\\nValue set to 29.\\t\\\\\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(ui.ScreenRect(), (platform::Rect{0, 0, 1024, 768}));
}

TEST(ConsoleUi, ShowHelpPrintsTheFileBetweenMarkers) {
  testsupport::TempDir dir;
  testsupport::WriteFileText(dir.Path() / "rswizard.hlp", "RS CODEC help\nline two");
  std::istringstream in;
  std::ostringstream out, err;
  platform::ConsoleUi ui(in, out, err, false);
  ui.ShowHelp(dir.Dir() + "rswizard.hlp", "RS CODEC - 1.00");
  EXPECT_EQ(out.str(), "help \"RS CODEC - 1.00\"\nRS CODEC help\nline two\nend help\n");
  ui.ShowHelp(dir.Dir() + "missing.hlp", "K");
  EXPECT_EQ(err.str(), "error: can't read the help file \"" + dir.Dir() + "missing.hlp\"\n");
}

}  // namespace
