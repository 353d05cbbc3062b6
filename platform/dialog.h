// A modal dialog as the wizard sees it: a window with a caption, an outer rectangle on the
// screen and child controls. The model is the same for every backend; a backend shows it and
// turns the user's actions into calls of the DialogHandler.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/geometry.h"

namespace platform {

class DrawContext;
class Dialog;

// Dialog results, as the dialog manager returns them.
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;

struct Control {
  ControlKind kind = ControlKind::Label;
  int id = kNoId;
  std::string text;
  Rect rect;  // client coordinates of the dialog, pixels
  bool enabled = true;
  bool marked = false;       // radio button or check box
  bool defaultLook = false;  // push button drawn as the default button
  bool readOnly = false;     // edit
  bool groupStart = false;
  bool tabStop = false;
  std::string label;               // field: the label it is addressed by
  std::vector<std::string> items;  // field or list box
  int selection = -1;              // field: index of the selected item, -1 none
  int pictureId = 0;
  // Panel: paints the panel's client area (0, 0, width, height).
  std::function<void(DrawContext&, const Rect& client)> paint;
};

// What a backend is told when the model changes while the dialog is on screen.
class DialogView {
 public:
  virtual ~DialogView() = default;
  virtual void CaptionChanged() {}
  virtual void GeometryChanged() {}
  virtual void ControlAdded(std::size_t /*index*/) {}
  virtual void ControlChanged(std::size_t /*index*/) {}
  virtual void Invalidated(std::size_t /*index*/) {}
};

// The page side of a dialog: the backend calls these as the user acts.
class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  // The dialog's own initialisation has built the template's controls.
  virtual void OnInitDialog(Dialog& dialog) = 0;
  // A push button, radio button or check box was clicked (the cancel button included: id 2).
  virtual void OnClicked(Dialog& dialog, int id) = 0;
  // A field lost the keyboard focus (its text is what the user left in it).
  virtual void OnFieldLeave(Dialog& /*dialog*/, int /*id*/) {}
  // The selection of a field's list changed; the field's text is the item's text.
  virtual void OnFieldPick(Dialog& /*dialog*/, int /*id*/) {}
  // Enter, when no control takes it.
  virtual void OnOkCommand(Dialog& dialog) = 0;
  // Escape and the close box.
  virtual void OnCancelCommand(Dialog& dialog) = 0;
  // F1.
  virtual void OnHelpCommand(Dialog& dialog) = 0;
};

// Outer frame of a page around its client area, in pixels.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class Dialog {
 public:
  Dialog(const DialogTemplate& dialogTemplate, const Dialog* owner, FrameMargins frame,
         Rect screen);

  const DialogTemplate& Template() const { return template_; }
  const Dialog* Owner() const { return owner_; }

  // The dialog's own initialisation: caption and controls from the template, outer size from
  // the template's size and the frame, placed at the screen's top-left corner.
  void BuildFromTemplate();

  void AttachView(DialogView* view) { view_ = view; }

  // Ending.
  void End(int result);
  bool Ended() const { return ended_; }
  int Result() const { return result_; }

  // Caption.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Geometry: the outer rectangle in screen coordinates.
  Rect OuterRect() const { return outer_; }
  void SetOuterRect(const Rect& outer);
  Rect ClientRectOnScreen() const;
  Point ScreenToClient(Point screenPoint) const;
  Rect ScreenToClient(const Rect& screenRect) const;
  FrameMargins Frame() const { return frame_; }
  // The owner's outer rectangle, or the whole screen when there is no owner.
  Rect OwnerOrScreenRect() const;

  // Controls, in creation order (template controls first).
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  Control* Find(int id);
  const Control* Find(int id) const;
  Control& CreateControl(ControlKind kind, int id, std::string text, const Rect& clientRect);
  void MoveControl(std::size_t index, const Rect& clientRect);

  void Enable(int id, bool enabled);
  bool IsEnabled(int id) const;
  void SetMarked(int id, bool marked);
  bool IsMarked(int id) const;
  void SetDefaultLook(int id, bool on);
  void SetReadOnly(int id, bool readOnly);
  void SetText(int id, std::string text);
  std::string Text(int id) const;
  void ClearItems(int id);
  void AddItem(int id, std::string item);
  // Selects an item and shows its text in the field; -1 clears the selection.
  void Select(int id, int index);
  void Invalidate(int id);

 private:
  void Changed(const Control& control);
  std::size_t IndexOf(const Control& control) const;

  DialogTemplate template_;
  const Dialog* owner_;
  FrameMargins frame_;
  Rect screen_;
  DialogView* view_ = nullptr;
  std::string caption_;
  Rect outer_;
  std::vector<std::unique_ptr<Control>> controls_;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace platform
