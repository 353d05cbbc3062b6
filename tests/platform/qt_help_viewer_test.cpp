// The help window as a user meets it: the file's lines exactly as written, none wrapped again,
// in a font whose characters all advance alike, in a window that fits the text and the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>

#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_ui.h"
#include "qt_test_support.h"
#include "tests/support/fake_platform.h"

namespace {

using platform::qt::AdvancesAlike;
using platform::qt::HelpFont;

// What the open help window showed, read by a timer while it runs.
struct Shown {
  QSize window;
  QSize available;
  int lineWrapMode = -1;
  int blocks = 0;
  int wrappedBlocks = 0;  // blocks laid out on more than one line
  qreal longestLine = 0;  // advance of the widest line in the widget's font
  int viewportWidth = 0;
  int acrossRange = -1, downRange = -1;  // the scroll bars' maximum; 0 when all is in view
  int acrossAt = -1, downAt = -1;        // and their values: where the view is
  int firstShownLine = -1;
  std::string text;
};

Shown ShowHelpOf(const std::string& content) {
  qttest::App();
  testsupport::TempDir dir;
  const std::string path = dir.Dir() + "rswizard.hlp";
  testsupport::WriteFileText(path, content);
  Shown shown;
  QTimer::singleShot(20, [&shown] {
    QWidget* viewer = QApplication::activeModalWidget();
    ASSERT_NE(viewer, nullptr);
    auto* text = viewer->findChild<QPlainTextEdit*>("helpText");
    ASSERT_NE(text, nullptr);
    shown.window = viewer->size();
    const platform::FrameMargins frame = platform::qt::KnownFrameMargins();
    const QRect area = viewer->screen()->availableGeometry();
    shown.available = {area.width() - frame.left - frame.right,
                       area.height() - frame.top - frame.bottom};
    shown.lineWrapMode = text->lineWrapMode();
    const QFontMetricsF metrics(text->font());
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      ++shown.blocks;
      if (block.layout() && block.layout()->lineCount() > 1) ++shown.wrappedBlocks;
      shown.longestLine = std::max(shown.longestLine, metrics.horizontalAdvance(block.text()));
    }
    shown.viewportWidth = text->viewport()->width();
    shown.acrossRange = text->horizontalScrollBar()->maximum();
    shown.downRange = text->verticalScrollBar()->maximum();
    shown.acrossAt = text->horizontalScrollBar()->value();
    shown.downAt = text->verticalScrollBar()->value();
    shown.firstShownLine = text->cursorForPosition(QPoint(0, 0)).blockNumber();
    shown.text = text->toPlainText().toStdString();
    QTest::keyClick(viewer, Qt::Key_Escape);
  });
  platform::qt::QtUi ui;
  ui.ShowHelp(path, "RS CODEC - 1.00");
  return shown;
}

std::string Lines(int count, int width) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    std::string line = "line " + std::to_string(i) + " ";
    while (static_cast<int>(line.size()) < width) line += "words and ";
    text += line.substr(0, static_cast<std::size_t>(width)) + "\n";
  }
  return text;
}

TEST(HelpFont, AdvancesAlikeTellsFixedFromProportional) {
  qttest::App();
  EXPECT_TRUE(AdvancesAlike(HelpFont())) << QFontInfo(HelpFont()).family().toStdString();
  // The measurement can fail: a proportional face is told apart whatever it falls back to.
  QFont proportional("Liberation Sans");
  proportional.setStyleHint(QFont::SansSerif);
  EXPECT_FALSE(AdvancesAlike(proportional)) << QFontInfo(proportional).family().toStdString();
}

TEST(HelpFont, IsThePackagedMonospacedFaceWhereInstalled) {
  qttest::App();
  if (!QFontDatabase::hasFamily("Liberation Mono")) GTEST_SKIP() << "no Liberation Mono here";
  EXPECT_EQ(QFontInfo(HelpFont()).family().toStdString(), "Liberation Mono");
  EXPECT_EQ(HelpFont().pointSizeF(),
            QFontDatabase::systemFont(QFontDatabase::FixedFont).pointSizeF());
}

TEST(HelpWindow, ShowsATableAsWrittenAndFitsItsLongestLine) {
  // Wider than the 600 pixels the window once had, narrower than the offscreen screen.
  const std::string table =
      "PAGES\n"
      "  1  Codec type        Encoder or Decoder; for a decoder Discrete or Streaming, and  x\n"
      "                       Full - Faster or Half - Smaller.\n"
      "  2  Code parameters   m, n, r\n";
  const Shown shown = ShowHelpOf(table);
  ASSERT_LT(shown.longestLine + 40, shown.available.width()) << "the screen is too small";
  EXPECT_GT(shown.longestLine, 600.0);
  EXPECT_EQ(shown.text, table);
  EXPECT_EQ(shown.lineWrapMode, QPlainTextEdit::NoWrap);
  EXPECT_EQ(shown.blocks, 5);  // four lines and the empty one after the last line feed
  EXPECT_EQ(shown.wrappedBlocks, 0);
  // Every line in view at once: nothing to scroll, and no more width than the text needs.
  EXPECT_GE(shown.viewportWidth, shown.longestLine);
  EXPECT_EQ(shown.acrossRange, 0);
  EXPECT_EQ(shown.downRange, 0);
  EXPECT_LT(shown.window.width(), shown.longestLine + 80);
}

TEST(HelpWindow, FitsAShortFileWithoutScrolling) {
  const Shown shown = ShowHelpOf(Lines(20, 40));
  EXPECT_EQ(shown.wrappedBlocks, 0);
  EXPECT_EQ(shown.acrossRange, 0);
  EXPECT_EQ(shown.downRange, 0);
  EXPECT_LT(shown.window.width(), shown.available.width() / 2);
}

TEST(HelpWindow, StaysOnTheScreenAndScrollsBeyondIt) {
  const Shown shown = ShowHelpOf(Lines(400, 300));
  EXPECT_EQ(shown.wrappedBlocks, 0);
  EXPECT_LE(shown.window.width(), shown.available.width());
  EXPECT_LE(shown.window.height(), shown.available.height());
  // Taken whole within the screen: the window is not smaller than the screen allows.
  EXPECT_GE(shown.window.width(), shown.available.width() - 1);
  EXPECT_GE(shown.window.height(), shown.available.height() - 1);
  EXPECT_GT(shown.acrossRange, 0);
  EXPECT_GT(shown.downRange, 0);
  // The file is shown from its start.
  EXPECT_EQ(shown.acrossAt, 0);
  EXPECT_EQ(shown.downAt, 0);
  EXPECT_EQ(shown.firstShownLine, 0);
}

TEST(HelpWindow, ScrollsDownOnlyWhenOnlyTheHeightIsTooMuch) {
  // The vertical scroll bar takes its width beside the text, not from it.
  const Shown shown = ShowHelpOf(Lines(400, 60));
  EXPECT_EQ(shown.wrappedBlocks, 0);
  EXPECT_EQ(shown.acrossRange, 0);
  EXPECT_GT(shown.downRange, 0);
  EXPECT_GE(shown.viewportWidth, shown.longestLine);
}

}  // namespace
