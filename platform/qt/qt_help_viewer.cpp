#include "platform/qt/qt_help_viewer.h"

#include <QAbstractTextDocumentLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/qt/qt_dialog_window.h"

namespace platform::qt {

namespace {

// The face the GUI package installs with it (fonts-liberation2).
constexpr const char* kPackagedFixedFace = "Liberation Mono";

// Laid out as the widget lays it out, so that line heights and widths are the widget's own.
QSize TextExtent(const QPlainTextEdit& page) {
  QAbstractTextDocumentLayout* layout = page.document()->documentLayout();
  qreal widest = 0, height = 0;
  for (QTextBlock block = page.document()->begin(); block.isValid(); block = block.next()) {
    height += layout->blockBoundingRect(block).height();
    widest = std::max(widest, block.layout()->maximumWidth());
  }
  // The document's margin on both sides, the frame, and the cursor after the longest line.
  const int chrome =
      2 * (page.frameWidth() + static_cast<int>(std::ceil(page.document()->documentMargin()))) +
      page.cursorWidth();
  return {static_cast<int>(std::ceil(widest)) + chrome,
          static_cast<int>(std::ceil(height)) + chrome};
}

// The screen area a window may take without its frame leaving it.
QSize AvailableClientArea(const QWidget* parent) {
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (!screen) return {1024, 768};
  const FrameMargins frame = KnownFrameMargins();
  const QRect area = screen->availableGeometry();
  return {area.width() - frame.left - frame.right, area.height() - frame.top - frame.bottom};
}

}  // namespace

bool AdvancesAlike(const QFont& font) {
  const QFontMetricsF metrics(font);
  const qreal width = metrics.horizontalAdvance(QChar('M'));
  if (width <= 0) return false;
  for (const QChar c : QStringLiteral("i .,|-=:W0l"))
    if (metrics.horizontalAdvance(c) != width) return false;
  return true;
}

QFont HelpFont() {
  const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  QFont packaged(kPackagedFixedFace);
  packaged.setStyleHint(QFont::Monospace);
  if (system.pointSizeF() > 0)
    packaged.setPointSizeF(system.pointSizeF());
  else
    packaged.setPixelSize(system.pixelSize());
  if (QFontDatabase::hasFamily(kPackagedFixedFace) && AdvancesAlike(packaged)) return packaged;
  if (AdvancesAlike(system)) return system;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isFixedPitch(family)) continue;
    QFont candidate(system);
    candidate.setFamily(family);
    if (AdvancesAlike(candidate)) return candidate;
  }
  return system;
}

void ShowHelpWindow(QWidget* parent, const QString& title, const QString& text) {
  QDialog viewer(parent);
  viewer.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&viewer);
  auto* page = new QPlainTextEdit(&viewer);
  page->setObjectName("helpText");
  page->setReadOnly(true);
  page->setLineWrapMode(QPlainTextEdit::NoWrap);
  page->setFont(HelpFont());
  page->setPlainText(text);
  layout->addWidget(page);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &viewer);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &viewer, &QDialog::reject);
  layout->addWidget(buttons);

  // The whole text, then the screen's limit; a scroll bar that the limit brings takes room
  // from the text beside or below it, which the window gets back while there is any.
  const QSize available = AvailableClientArea(parent);
  const int scrollBar = viewer.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, page);
  QSize extent = TextExtent(*page);
  page->setMinimumSize(extent);
  const QSize chrome = viewer.sizeHint() - extent;
  page->setMinimumSize(0, 0);
  const bool scrollsDown = extent.height() + chrome.height() > available.height();
  const bool scrollsAcross = extent.width() + chrome.width() > available.width();
  if (scrollsDown) extent.rwidth() += scrollBar;
  if (scrollsAcross) extent.rheight() += scrollBar;
  viewer.resize((extent + chrome).boundedTo(available));
  // The text edit shows its scroll bars until it has been laid out on screen, and a bar once
  // shown narrows the view enough to keep the other one: where everything fits, the bars wait
  // until the window is up, and come back for the user who makes the window smaller.
  if (!scrollsDown) page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (!scrollsAcross) page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QTimer::singleShot(0, page, [page] {
    page->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  });
  viewer.exec();
}

}  // namespace platform::qt
