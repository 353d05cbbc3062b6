// A QDialog that mirrors a platform::Dialog: one widget per control, kept in line with the
// model through the DialogView calls, and the user's actions turned into DialogHandler calls.
#pragma once

#include <QDialog>
#include <QPointer>
#include <set>
#include <vector>

#include "platform/dialog.h"

class QComboBox;

namespace platform::qt {

// Frame margins last seen on a decorated window of this display; new dialogs are built with
// them so that their outer rectangle is the real one from the start.
FrameMargins KnownFrameMargins();
void SetKnownFrameMargins(FrameMargins margins);

// The dialog window of a live model, or nullptr.
QWidget* WindowOf(const Dialog* dialog);

// The name given to the widget of control `index`, so that tests and tools can find it.
QString ControlObjectName(std::size_t index);

class DialogWindow : public QDialog, public DialogView {
 public:
  // Interactive: the user's actions reach `handler`, and model changes reach the widgets.
  DialogWindow(Dialog& dialog, DialogHandler& handler, QWidget* parent);
  // A mirror for drawing only: no handler, no view attached.
  explicit DialogWindow(const Dialog& dialog, QWidget* parent = nullptr);
  ~DialogWindow() override;

  // Shows the window modally until the model is ended; returns the model's result.
  int Run();

  QWidget* ControlWidget(std::size_t index) const;
  std::size_t ControlCount() const { return widgets_.size(); }

  // DialogView.
  void CaptionChanged() override;
  void GeometryChanged() override;
  void ControlAdded(std::size_t index) override;
  void ControlChanged(std::size_t index) override;
  void Invalidated(std::size_t index) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  void Init();
  void CreateWidget(std::size_t index);
  void Sync(std::size_t index);
  void ApplyGeometry();
  void ReadGeometryFromWindow();
  int FieldIndexOf(QObject* object) const;

  // Every handler call goes through here: pending field leaves run first, nothing runs while
  // another handler is still on the stack (a message box's own event loop), and an ended model
  // closes the window.
  void Dispatch(const std::function<void(Dialog&, DialogHandler&)>& action);
  void SchedulePendingLeaves();
  void RunPendingLeavesIfIdle();
  void FlushPendingLeaves();
  void RunLeave(std::size_t index);
  void CloseIfEnded();

  void OnButtonClicked(std::size_t index);
  void OnFieldActivated(std::size_t index, int item);
  void OnListRowChanged(std::size_t index, int row);

  const Dialog& model_;
  Dialog* mutableModel_ = nullptr;  // null for a mirror
  DialogHandler* handler_ = nullptr;
  std::vector<QPointer<QWidget>> widgets_;
  std::vector<std::size_t> pendingLeaves_;  // field indexes, in the order they lost focus
  int handlerDepth_ = 0;
  // The field whose edit box is finishing an edit (it lost the focus, or took Enter): the
  // combo box then selects the item that matches the typed text, which is no pick of the user.
  int finishingField_ = -1;
  bool applyingGeometry_ = false;
  bool syncing_ = false;
};

}  // namespace platform::qt
