#include <gtest/gtest.h>

#include "platform/console/console_dump.h"
#include "platform/console/console_ui.h"

namespace {

using platform::ControlKind;

platform::DialogTemplate EveryKindTemplate() {
  platform::DialogTemplate t;
  t.number = 77;
  t.caption = "Kinds";
  t.width = 200;
  t.height = 100;
  auto add = [&t](ControlKind kind, int id, std::string text) -> platform::TemplateControl& {
    platform::TemplateControl c;
    c.kind = kind;
    c.id = id;
    c.text = std::move(text);
    c.width = 10;
    c.height = 10;
    t.controls.push_back(c);
    return t.controls.back();
  };
  add(ControlKind::Picture, platform::kNoId, "").pictureId = 1012;
  add(ControlKind::GroupBox, platform::kNoId, "Choose the type of decoder");
  add(ControlKind::RadioButton, 20, "Streaming").groupStart = true;
  add(ControlKind::RadioButton, 21, "Discrete");
  add(ControlKind::CheckBox, 22, "Generate Vector Files");
  add(ControlKind::Label, platform::kNoId, "The \"quoted\" C:\\path");
  platform::TemplateControl& field = add(ControlKind::Field, 30, "");
  field.label = "Number of bits per symbol";
  field.items = {"4", "5", "6"};
  add(ControlKind::Edit, 31, "");
  add(ControlKind::ListBox, 1010, "");
  add(ControlKind::Panel, 40, "");
  return t;
}

TEST(ConsoleDump, EveryKindWithItsStatesInCreationOrder) {
  platform::Dialog dialog(EveryKindTemplate(), nullptr, platform::kConsoleFrame,
                          platform::kConsoleScreen);
  dialog.BuildFromTemplate();
  dialog.SetCaption("RS CODEC - 1.00 -- Kinds");
  dialog.SetOuterRect({10, 20, 316, 211});
  dialog.SetMarked(21, true);
  dialog.Enable(20, false);
  dialog.SetMarked(22, true);
  dialog.SetText(30, "5");
  dialog.SetText(31, "C:\\work\\rs.vec");
  dialog.SetReadOnly(31, true);
  dialog.AddItem(1010, "C:\\w\\rs.tdf");
  dialog.AddItem(1010, "C:\\w\\rs.inc");
  dialog.CreateControl(ControlKind::BlackRect, platform::kNoId, "", {1, 2, 3, 4});
  dialog.CreateControl(ControlKind::PushButton, 2, "Cancel", {0, 0, 56, 20});
  dialog.CreateControl(ControlKind::PushButton, 11, "< Back", {0, 0, 56, 20});
  dialog.CreateControl(ControlKind::PushButton, 12, "Next >", {0, 0, 56, 20});
  dialog.Enable(11, false);
  dialog.SetDefaultLook(12, true);

  EXPECT_EQ(platform::DumpDialog(dialog),
            "page \"RS CODEC - 1.00 -- Kinds\"\n"
            "rect 10 20 316 211\n"
            "group \"Choose the type of decoder\" enabled\n"
            "radio \"Streaming\" disabled\n"
            "radio \"Discrete\" enabled marked\n"
            "check \"Generate Vector Files\" enabled marked\n"
            "label \"The \\\"quoted\\\" C:\\\\path\" enabled\n"
            "field \"Number of bits per symbol\" enabled text \"5\" items \"4\" \"5\" \"6\"\n"
            "edit \"\" enabled readonly text \"C:\\\\work\\\\rs.vec\"\n"
            "list \"\" enabled items \"C:\\\\w\\\\rs.tdf\" \"C:\\\\w\\\\rs.inc\"\n"
            "button \"Cancel\" enabled\n"
            "button \"< Back\" disabled\n"
            "button \"Next >\" enabled default\n");
}

TEST(ConsoleDump, StateWordsOnlyWhereTheyApply) {
  platform::Control c;
  c.kind = ControlKind::Label;
  c.text = "x";
  c.marked = c.defaultLook = c.readOnly = true;
  EXPECT_EQ(platform::DumpControl(c), "label \"x\" enabled");
  c.kind = ControlKind::PushButton;
  EXPECT_EQ(platform::DumpControl(c), "button \"x\" enabled default");
  c.kind = ControlKind::CheckBox;
  c.enabled = false;
  EXPECT_EQ(platform::DumpControl(c), "check \"x\" disabled marked");
  c.kind = ControlKind::Field;
  c.label = "L";
  EXPECT_EQ(platform::DumpControl(c), "field \"L\" disabled readonly text \"x\" items");
  c.kind = ControlKind::Picture;
  EXPECT_EQ(platform::DumpControl(c), "");
}

TEST(ConsoleDump, FreshDialogSitsAtTheScreenCornerWithTheConsoleFrame) {
  platform::DialogTemplate t;
  t.width = 100;  // 150 x 81 pixels of client area
  t.height = 50;
  platform::Dialog dialog(t, nullptr, platform::kConsoleFrame, platform::kConsoleScreen);
  dialog.BuildFromTemplate();
  EXPECT_EQ(platform::DumpDialog(dialog), "page \"\"\nrect 0 0 156 106\n");
}

}  // namespace
