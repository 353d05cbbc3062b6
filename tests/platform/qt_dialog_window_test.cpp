#include "platform/qt/qt_dialog_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "platform/dialog_template.h"
#include "qt_test_support.h"

namespace {

using platform::ControlKind;
using platform::Dialog;
using platform::DialogTemplate;
using platform::Rect;
using platform::TemplateControl;
using platform::qt::DialogWindow;

DialogTemplate SmallTemplate() {
  DialogTemplate t;
  t.number = 900;
  t.caption = "Small";
  t.width = 200;
  t.height = 100;
  auto add = [&t](ControlKind kind, int id, std::string text, int x, int y, int w, int h) {
    TemplateControl c;
    c.kind = kind;
    c.id = id;
    c.text = std::move(text);
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    t.controls.push_back(c);
    return &t.controls.back();
  };
  add(ControlKind::GroupBox, -1, "Kind", 5, 5, 100, 40);
  add(ControlKind::RadioButton, 101, "Encoder", 10, 15, 57, 10)->groupStart = true;
  add(ControlKind::RadioButton, 102, "Decoder", 10, 28, 57, 10);
  add(ControlKind::Label, -1, "Number of bits per symbol", 110, 10, 60, 8);
  TemplateControl* field = add(ControlKind::Field, 201, "", 170, 10, 25, 60);
  field->label = "Number of bits per symbol";
  field->items = {"4", "5", "6", "7", "8"};
  add(ControlKind::CheckBox, 301, "Generate Vector Files", 10, 50, 81, 10);
  add(ControlKind::Edit, 401, "C:\\work\\rs.vec", 10, 65, 100, 12);
  add(ControlKind::ListBox, 501, "", 120, 50, 70, 40);
  add(ControlKind::PushButton, 601, "DVB Standard", 10, 82, 80, 14);
  return t;
}

QRect Expected(int x, int y, int w, int h) {
  const Rect r = platform::DialogUnitsToPixels(x, y, w, h);
  return QRect(r.left, r.top, r.Width(), r.Height());
}

class DialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { qttest::App(); }
};

TEST_F(DialogWindowTest, EveryTemplateControlAtItsPixels) {
  Dialog dialog(SmallTemplate(), nullptr, platform::FrameMargins{3, 22, 3, 3}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  DialogWindow window(dialog);
  ASSERT_EQ(window.ControlCount(), 9u);
  // 200 x 100 dialog units at 6 x 13 base units.
  EXPECT_EQ(window.size(), QSize(300, 163));
  EXPECT_EQ(window.windowTitle(), "Small");

  auto* group = qobject_cast<QGroupBox*>(window.ControlWidget(0));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->geometry(), Expected(5, 5, 100, 40));
  EXPECT_EQ(group->title(), "Kind");

  auto* encoder = qobject_cast<QRadioButton*>(window.ControlWidget(1));
  ASSERT_NE(encoder, nullptr);
  EXPECT_EQ(encoder->geometry(), Expected(10, 15, 57, 10));
  EXPECT_EQ(encoder->text(), "Encoder");
  EXPECT_FALSE(encoder->autoExclusive());

  auto* label = qobject_cast<QLabel*>(window.ControlWidget(3));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->geometry(), Expected(110, 10, 60, 8));

  auto* field = qobject_cast<QComboBox*>(window.ControlWidget(4));
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->isEditable());
  EXPECT_EQ(field->count(), 5);
  EXPECT_EQ(field->itemText(4), "8");
  const QRect fieldBox = Expected(170, 10, 25, 60);
  EXPECT_EQ(field->geometry().topLeft(), fieldBox.topLeft());
  EXPECT_EQ(field->width(), fieldBox.width());
  EXPECT_LE(field->height(), 22);  // the edit box only; the list drops below it

  EXPECT_NE(qobject_cast<QCheckBox*>(window.ControlWidget(5)), nullptr);
  auto* edit = qobject_cast<QLineEdit*>(window.ControlWidget(6));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "C:\\work\\rs.vec");
  EXPECT_EQ(edit->geometry(), Expected(10, 65, 100, 12));
  EXPECT_NE(qobject_cast<QListWidget*>(window.ControlWidget(7)), nullptr);
  auto* button = qobject_cast<QPushButton*>(window.ControlWidget(8));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), Expected(10, 82, 80, 14));
  EXPECT_EQ(button->objectName(), platform::qt::ControlObjectName(8));
  EXPECT_EQ(button->property("rsControlId").toInt(), 601);
}

TEST_F(DialogWindowTest, GroupBoxesNeverTakeTheClicksOfTheirButtons) {
  Dialog dialog(SmallTemplate(), nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  DialogWindow window(dialog);
  EXPECT_TRUE(window.ControlWidget(0)->testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_EQ(window.childAt(window.ControlWidget(1)->geometry().center()), window.ControlWidget(1));
}

// The interactive window follows every change of the model.
class NullHandler : public platform::DialogHandler {
 public:
  void OnInitDialog(Dialog&) override {}
  void OnClicked(Dialog&, int) override {}
  void OnOkCommand(Dialog&) override {}
  void OnCancelCommand(Dialog&) override {}
  void OnHelpCommand(Dialog&) override {}
};

TEST_F(DialogWindowTest, ModelChangesReachTheWidgets) {
  Dialog dialog(SmallTemplate(), nullptr, {}, {0, 0, 1024, 768});
  dialog.BuildFromTemplate();
  NullHandler handler;
  DialogWindow window(dialog, handler, nullptr);

  dialog.SetCaption("Corvex Plug-In Manager - RS CODEC - 1.00 [page 1 of 4]");
  EXPECT_EQ(window.windowTitle(), "Corvex Plug-In Manager - RS CODEC - 1.00 [page 1 of 4]");

  dialog.SetOuterRect({100, 50, 100 + 400, 50 + 240});
  EXPECT_EQ(window.size(), QSize(400, 240));
  EXPECT_EQ(window.pos(), QPoint(100, 50));

  dialog.SetMarked(102, true);
  EXPECT_TRUE(qobject_cast<QRadioButton*>(window.ControlWidget(2))->isChecked());
  dialog.Enable(102, false);
  EXPECT_FALSE(window.ControlWidget(2)->isEnabled());
  dialog.Enable(-1, false);  // the group box and the label share the no-id id: the first one
  EXPECT_FALSE(window.ControlWidget(0)->isEnabled());

  dialog.SetReadOnly(401, true);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(window.ControlWidget(6))->isReadOnly());
  dialog.SetText(401, "C:\\work\\inv_4_19.hex");
  EXPECT_EQ(qobject_cast<QLineEdit*>(window.ControlWidget(6))->text(), "C:\\work\\inv_4_19.hex");

  auto* field = qobject_cast<QComboBox*>(window.ControlWidget(4));
  dialog.ClearItems(201);
  dialog.AddItem(201, "19");
  dialog.AddItem(201, "25");
  dialog.SetText(201, "25");
  EXPECT_EQ(field->count(), 2);
  EXPECT_EQ(field->currentText(), "25");
  dialog.Select(201, 0);
  EXPECT_EQ(field->currentIndex(), 0);
  EXPECT_EQ(field->currentText(), "19");
  dialog.SetText(201, "abc");  // a text that is no item keeps the list
  EXPECT_EQ(field->currentText(), "abc");
  EXPECT_EQ(field->count(), 2);

  dialog.AddItem(501, "C:\\w\\rs.tdf");
  dialog.AddItem(501, "C:\\w\\rs.inc");
  EXPECT_EQ(qobject_cast<QListWidget*>(window.ControlWidget(7))->count(), 2);

  dialog.SetDefaultLook(601, true);
  EXPECT_TRUE(qobject_cast<QPushButton*>(window.ControlWidget(8))->isDefault());

  dialog.MoveControl(8, {152 + 15, 133, 152 + 135, 156});
  EXPECT_EQ(window.ControlWidget(8)->geometry(), QRect(167, 133, 120, 23));

  platform::Control& next =
      dialog.CreateControl(ControlKind::PushButton, 12, "Next >", {200, 200, 256, 220});
  (void)next;
  ASSERT_EQ(window.ControlCount(), 10u);
  auto* added = qobject_cast<QPushButton*>(window.ControlWidget(9));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->text(), "Next >");
  EXPECT_EQ(added->geometry(), QRect(200, 200, 56, 20));
  EXPECT_FALSE(added->isHidden());
}

}  // namespace
