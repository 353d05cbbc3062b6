// The help window: the help file as written. Its tables line their columns up with blanks and
// its lines are wrapped by hand, so it needs a font in which every character advances alike and
// a window that never wraps a line again.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace platform::qt {

// True when "i", "M", the blank and the other characters the help's tables use all advance the
// same width: measured, since fontconfig marks some monospaced faces proportional and a missing
// face silently falls back to a proportional one.
bool AdvancesAlike(const QFont& font);

// Liberation Mono, which the GUI package depends on, in the size of the desktop's fixed font;
// the desktop's fixed font when Liberation Mono is not installed and that one measures fixed;
// else the first installed face that measures fixed, or the desktop's fixed font as it is.
QFont HelpFont();

// Shows text in a modal window titled title, over parent (or none), until the user closes it.
// The window is as wide as the longest line and as high as all lines, within the screen's
// available area; beyond that it scrolls.
void ShowHelpWindow(QWidget* parent, const QString& title, const QString& text);

}  // namespace platform::qt
