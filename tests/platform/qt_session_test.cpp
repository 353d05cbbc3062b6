// Scripted sessions through the real QtUi::RunModal: the script acts on the shown window with
// simulated mouse and keys, as a user would.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_support.h"
#include "tests/support/fake_platform.h"

namespace {

using platform::ControlKind;
using platform::Dialog;
using platform::DialogTemplate;
using platform::TemplateControl;

constexpr int kEncoder = 101;
constexpr int kDecoder = 102;
constexpr int kBits = 201;
constexpr int kPoly = 202;
constexpr int kVector = 301;
constexpr int kDvb = 601;
constexpr int kFinish = 10;

DialogTemplate PageTemplate() {
  DialogTemplate t;
  t.number = 901;
  t.caption = "Parameters";
  t.width = 234;
  t.height = 135;
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
  add(ControlKind::RadioButton, kEncoder, "Encoder", 30, 5, 57, 10)->groupStart = true;
  add(ControlKind::RadioButton, kDecoder, "Decoder", 30, 18, 57, 10);
  TemplateControl* bits = add(ControlKind::Field, kBits, "8", 170, 40, 40, 60);
  bits->label = "Number of bits per symbol";
  bits->items = {"4", "5", "6", "7", "8"};
  add(ControlKind::Field, kPoly, "285", 170, 55, 40, 60)->label = "Field polynomial";
  add(ControlKind::CheckBox, kVector, "Generate Vector Files", 10, 75, 81, 10);
  add(ControlKind::PushButton, kDvb, "DVB Standard", 20, 100, 80, 14);
  add(ControlKind::PushButton, kFinish, "Finish", 120, 100, 50, 14);
  return t;
}

class ScriptedHandler : public platform::DialogHandler {
 public:
  std::vector<std::string> log;
  std::function<void(Dialog&)> script;  // runs once the window is shown and active
  std::function<void(Dialog&, int)> leave;
  std::function<void(Dialog&, int)> click;

  void OnInitDialog(Dialog& dialog) override {
    log.push_back("init");
    QTimer::singleShot(0, [this, &dialog] {
      QWidget* window = platform::qt::WindowOf(&dialog);
      if (window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        if (script) script(dialog);
      }
      // Whatever the script did, the session ends.
      if (!dialog.Ended() && window) {
        dialog.End(platform::kResultCancel);
        static_cast<QDialog*>(window)->done(platform::kResultCancel);
      }
    });
  }
  void OnClicked(Dialog& dialog, int id) override {
    log.push_back("click " + std::to_string(id));
    if (click) click(dialog, id);
    if (id == kFinish) dialog.End(platform::kResultOk);
  }
  void OnFieldLeave(Dialog& dialog, int id) override {
    log.push_back("leave " + std::to_string(id) + " " + dialog.Text(id));
    if (leave) leave(dialog, id);
  }
  void OnFieldPick(Dialog& dialog, int id) override {
    log.push_back("pick " + std::to_string(id) + " " + dialog.Text(id));
  }
  void OnOkCommand(Dialog& dialog) override {
    log.push_back("ok");
    dialog.End(platform::kResultOk);
  }
  void OnCancelCommand(Dialog& dialog) override {
    log.push_back("cancel");
    dialog.End(platform::kResultCancel);
  }
  void OnHelpCommand(Dialog&) override { log.push_back("help"); }
};

QWidget* Widget(Dialog& dialog, int id) {
  auto* window = static_cast<platform::qt::DialogWindow*>(platform::qt::WindowOf(&dialog));
  for (std::size_t i = 0; i < dialog.Controls().size(); ++i)
    if (dialog.Controls()[i]->id == id) return window->ControlWidget(i);
  return nullptr;
}

QComboBox* Field(Dialog& dialog, int id) {
  return qobject_cast<QComboBox*>(Widget(dialog, id));
}

void TypeInto(Dialog& dialog, int id, const QString& text) {
  QComboBox* field = Field(dialog, id);
  QTest::mouseClick(field->lineEdit(), Qt::LeftButton);
  field->lineEdit()->selectAll();
  QTest::keyClicks(field->lineEdit(), text);
}

void Click(Dialog& dialog, int id) {
  QTest::mouseClick(Widget(dialog, id), Qt::LeftButton);
}

// Answers the message box that is about to open, with the Enter key as a user would.
void AnswerNextMessageBox(std::vector<std::string>* log) {
  QTimer::singleShot(20, [log] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    log->push_back("box " + box->windowTitle().toStdString() + ": " + box->text().toStdString());
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    QTest::keyClick(box, Qt::Key_Return);
  });
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override { qttest::App(); }
  int Run(ScriptedHandler& handler) { return ui_.RunModal(PageTemplate(), nullptr, handler); }
  platform::qt::QtUi ui_;
};

TEST_F(SessionTest, ClicksReachTheHandlerAndFinishEnds) {
  ScriptedHandler handler;
  handler.script = [](Dialog& dialog) {
    Click(dialog, kDvb);
    Click(dialog, kEncoder);
    Click(dialog, kVector);
    Click(dialog, kFinish);
  };
  EXPECT_EQ(Run(handler), platform::kResultOk);
  EXPECT_EQ(handler.log,
            (std::vector<std::string>{"init", "click 601", "click 101", "click 301", "click 10"}));
}

TEST_F(SessionTest, MarksAreWhatTheHandlerSays) {
  ScriptedHandler handler;
  // The handler marks the decoder whichever radio button is clicked.
  handler.click = [](Dialog& dialog, int id) {
    if (id == kEncoder || id == kDecoder) {
      dialog.SetMarked(kEncoder, false);
      dialog.SetMarked(kDecoder, true);
    }
  };
  handler.script = [](Dialog& dialog) {
    Click(dialog, kEncoder);
    EXPECT_FALSE(qobject_cast<QRadioButton*>(Widget(dialog, kEncoder))->isChecked());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(Widget(dialog, kDecoder))->isChecked());
    Click(dialog, kVector);  // the handler leaves the check box as it is
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(Widget(dialog, kVector))->isChecked());
    EXPECT_FALSE(dialog.IsMarked(kVector));
  };
  Run(handler);
  EXPECT_EQ(handler.log, (std::vector<std::string>{"init", "click 101", "click 301"}));
}

TEST_F(SessionTest, LeavingAFieldForAButtonRunsLeaveThenClickOnce) {
  ScriptedHandler handler;
  handler.script = [](Dialog& dialog) {
    TypeInto(dialog, kBits, "6");
    Click(dialog, kDvb);
    QTest::qWait(50);
    Click(dialog, kFinish);
  };
  EXPECT_EQ(Run(handler), platform::kResultOk);
  EXPECT_EQ(handler.log,
            (std::vector<std::string>{"init", "leave 201 6", "click 601", "click 10"}));
}

TEST_F(SessionTest, MessageBoxInTheLeaveHandlerLosesNoClickAndRunsNothingTwice) {
  ScriptedHandler handler;
  handler.leave = [this, &handler](Dialog& dialog, int id) {
    if (id == kBits && dialog.Text(id) == "9") {
      // The field is reset before the box is shown, as the page does it.
      dialog.SetText(id, "8");
      AnswerNextMessageBox(&handler.log);
      ui_.MessageBox(&dialog,
                     "The value you have entered is too big.\nIt must be between 4 and 8.\nThe "
                     "value has been reseted to 8",
                     "Invalid number of bits per symbol.");
    }
  };
  handler.script = [](Dialog& dialog) {
    TypeInto(dialog, kBits, "9");
    Click(dialog, kDvb);
    QTest::qWait(50);
    EXPECT_EQ(Field(dialog, kBits)->currentText(), "8");
    Click(dialog, kFinish);
  };
  EXPECT_EQ(Run(handler), platform::kResultOk);
  EXPECT_EQ(handler.log,
            (std::vector<std::string>{"init", "leave 201 9",
                                      "box Invalid number of bits per symbol.: The value you have "
                                      "entered is too big.\nIt must be between 4 and 8.\nThe "
                                      "value has been reseted to 8",
                                      "click 601", "click 10"}));
}

TEST_F(SessionTest, TabbingAwayRunsTheLeaveHandler) {
  ScriptedHandler handler;
  handler.script = [](Dialog& dialog) {
    TypeInto(dialog, kPoly, "19");
    QTest::keyClick(Field(dialog, kPoly)->lineEdit(), Qt::Key_Tab);
    QTest::qWait(50);
  };
  Run(handler);
  EXPECT_EQ(handler.log, (std::vector<std::string>{"init", "leave 202 19"}));
}

TEST_F(SessionTest, PickSelectsTheItemAndTellsTheHandler) {
  ScriptedHandler handler;
  handler.script = [](Dialog& dialog) {
    QComboBox* bits = Field(dialog, kBits);
    bits->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(bits, Qt::Key_Down);
    EXPECT_EQ(dialog.Find(kBits)->selection, 0);
  };
  Run(handler);
  ASSERT_GE(handler.log.size(), 2u);
  EXPECT_EQ(handler.log[1], "pick 201 4");
}

TEST_F(SessionTest, EnterLeavesTheFieldThenIsTheOkCommand) {
  ScriptedHandler handler;
  handler.script = [](Dialog& dialog) {
    TypeInto(dialog, kBits, "5");
    QTest::keyClick(Field(dialog, kBits)->lineEdit(), Qt::Key_Return);
  };
  EXPECT_EQ(Run(handler), platform::kResultOk);
  EXPECT_EQ(handler.log, (std::vector<std::string>{"init", "leave 201 5", "ok"}));
  // The typed text did not become an item of the list.
}

TEST_F(SessionTest, EscapeCloseBoxAndF1) {
  ScriptedHandler escape;
  escape.script = [](Dialog& dialog) {
    QWidget* window = platform::qt::WindowOf(&dialog);
    QTest::keyClick(window, Qt::Key_F1);
    QTest::keyClick(window, Qt::Key_Escape);
  };
  EXPECT_EQ(Run(escape), platform::kResultCancel);
  EXPECT_EQ(escape.log, (std::vector<std::string>{"init", "help", "cancel"}));

  ScriptedHandler closeBox;
  closeBox.script = [](Dialog& dialog) { platform::qt::WindowOf(&dialog)->close(); };
  EXPECT_EQ(Run(closeBox), platform::kResultCancel);
  EXPECT_EQ(closeBox.log, (std::vector<std::string>{"init", "cancel"}));
}

TEST_F(SessionTest, CancelThatKeepsThePageOpenKeepsIt) {
  class Stubborn : public ScriptedHandler {
   public:
    void OnCancelCommand(Dialog&) override { log.push_back("cancel refused"); }
  } handler;
  handler.script = [](Dialog& dialog) {
    QWidget* window = platform::qt::WindowOf(&dialog);
    window->close();
    QTest::qWait(20);
    EXPECT_TRUE(window->isVisible());
    Click(dialog, kFinish);
  };
  EXPECT_EQ(Run(handler), platform::kResultOk);
  EXPECT_EQ(handler.log, (std::vector<std::string>{"init", "cancel refused", "click 10"}));
}

TEST_F(SessionTest, OuterRectangleIsTheFrameAndFollowsTheModel) {
  ScriptedHandler handler;
  handler.script = [](Dialog& dialog) {
    QWidget* window = platform::qt::WindowOf(&dialog);
    const platform::FrameMargins f = dialog.Frame();
    dialog.SetOuterRect({200, 100, 200 + 400, 100 + 260});
    QTest::qWait(20);
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.topLeft(), QPoint(200, 100));
    EXPECT_EQ(window->size(), QSize(400 - f.left - f.right, 260 - f.top - f.bottom));
    // A move by the user (or the window manager) is seen by the model.
    window->move(300, 150);
    QTest::qWait(20);
    EXPECT_EQ(dialog.OuterRect().left, window->frameGeometry().left());
    EXPECT_EQ(dialog.OuterRect().top, window->frameGeometry().top());
  };
  Run(handler);
}

TEST_F(SessionTest, ScreenRectIsThePrimaryScreen) {
  const QRect g = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(ui_.ScreenRect(), (platform::Rect{g.left(), g.top(), g.right() + 1, g.bottom() + 1}));
}

TEST_F(SessionTest, HelpViewerShowsTheFile) {
  testsupport::TempDir dir;
  const std::string path = dir.Dir() + "rswizard.hlp";
  testsupport::WriteFileText(path, "RS CODEC help\nPages: codec type, parameters, files.\n");
  std::string shown;
  QTimer::singleShot(20, [&shown] {
    QWidget* viewer = QApplication::activeModalWidget();
    ASSERT_NE(viewer, nullptr);
    auto* text = viewer->findChild<QPlainTextEdit*>("helpText");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    // What the user sees: the help's columns stay in line only where "i" is as wide as "M",
    // in the font the widget and its text really use, whatever fontconfig says of the face.
    for (const QFont& used : {text->font(), text->document()->defaultFont()}) {
      const QFontMetricsF metrics(used);
      EXPECT_GT(metrics.horizontalAdvance("i"), 0.0);
      EXPECT_EQ(metrics.horizontalAdvance("i"), metrics.horizontalAdvance("M"))
          << QFontInfo(used).family().toStdString();
      EXPECT_EQ(metrics.horizontalAdvance(" "), metrics.horizontalAdvance("M"))
          << QFontInfo(used).family().toStdString();
    }
    shown = viewer->windowTitle().toStdString() + "|" + text->toPlainText().toStdString();
    QTest::keyClick(viewer, Qt::Key_Escape);
  });
  ui_.ShowHelp(path, "RS CODEC - 1.00");
  EXPECT_EQ(shown, "RS CODEC - 1.00|RS CODEC help\nPages: codec type, parameters, files.\n");
}

}  // namespace
