// The widget of each kind of control: how it is made, and how it shows its control's state.
// One adapter per kind, so that adding a kind touches one row and not two switches.
#pragma once

#include <QRect>
#include <QString>
#include <cstddef>
#include <string>

#include "platform/dialog.h"

class QWidget;

namespace platform::qt {

QString ToQString(const std::string& text);

// What the widgets report to their window.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  // A push button, radio button or check box was clicked.
  virtual void ButtonClicked(std::size_t index) = 0;
  // The user chose an item of a field's list.
  virtual void FieldActivated(std::size_t index, int item) = 0;
  // The current row of a list box changed.
  virtual void ListRowChanged(std::size_t index, int row) = 0;
};

struct ControlAdapter {
  // The widget of control `index` of `model`, a child of `window`, its signals sent to
  // `events`; a field's widgets are watched by the window's event filter.
  QWidget* (*create)(QWidget& window, const Dialog& model, std::size_t index,
                     ControlEvents& events);
  // Shows the control's text, marks, items and selection on the widget (its signals are
  // blocked meanwhile). `geometry` comes in as the control's rectangle, and leaves as the one
  // the widget is to have.
  void (*sync)(QWidget& widget, const Control& control, QRect& geometry);
};

const ControlAdapter& AdapterFor(ControlKind kind);

// Called with the first preview panel that the process paints, once; none when null. The
// benchmark's probe is such a hook.
using FirstPaintHook = void (*)(QWidget* panel);
void SetFirstPaintHook(FirstPaintHook hook);

}  // namespace platform::qt
