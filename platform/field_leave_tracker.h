// When a window's field is left, and when the page's handlers may run: the part of a toolkit
// window that decides this, kept apart from the toolkit so that each rule can be tried alone.
//
// A field is left when the keyboard focus goes from it to any other widget, a button of the
// page included, so that a typed value is tested before a click can close the page. The leave
// runs as a handler call of its own, after the focus change has settled, and always before the
// next handler call of the window. Handlers never run inside one another: a message box opened
// by a handler runs an event loop, and what arrives meanwhile is dropped.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace platform {

// Why a field's widget lost the keyboard focus, as far as leaving goes.
enum class FocusLoss {
  Moved,           // to another widget: a key, a click or the program moved it
  WindowInactive,  // the window stopped being active (a message box opened, another window)
  OwnPopup,        // the field's own list popped up
};

class FieldLeaveTracker {
 public:
  // The window's side: whether its model has ended, and the leave handler of one field.
  class Host {
   public:
    virtual ~Host() = default;
    virtual bool Ended() const = 0;
    virtual void RunLeave(std::size_t field) = 0;
  };

  explicit FieldLeaveTracker(Host& host) : host_(host) {}

  // Fields are given by index; -1 stands for a widget that belongs to no field.

  // A key went to `field`: Enter or Return finishes its edit, any other key does not.
  void KeyPressed(int field, bool enter);
  // A mouse button or the wheel was used.
  void MouseUsed();
  // A widget of `field` lost the focus, which `focusNow` now has. True when a leave was queued:
  // the window then calls RunWhenIdle once the focus change has settled.
  bool FocusLost(int field, FocusLoss why, int focusNow);
  // Enter or Return, which the window turns into the OK command: the field being edited
  // (`focused`) is left first, so that a typed value is tested before the page can close.
  void EnterPressed(int focused);

  // True while the combo box of `field` finishes an edit (it lost the focus, or took Enter):
  // the item it then selects to match the typed text is no pick of the user.
  bool IsFinishing(int field) const { return field >= 0 && finishing_ == field; }
  bool HasPendingLeaves() const { return !pending_.empty(); }
  // Whether the queued leaves should run now: not while a mouse button is down, since the press
  // may still become a click on a button of the page, which then runs them first.
  bool IdleRunDue(bool mouseButtonDown) const { return HasPendingLeaves() && !mouseButtonDown; }

  // Runs the queued leaves and then `action`, a handler call, unless the model has ended or a
  // handler is still running; a leave that ends the model stops the rest. False when nothing
  // ran.
  bool Dispatch(const std::function<void()>& action);

 private:
  void Queue(int field);

  Host& host_;
  std::vector<std::size_t> pending_;  // in the order the fields were left
  int finishing_ = -1;
  int depth_ = 0;
};

}  // namespace platform
