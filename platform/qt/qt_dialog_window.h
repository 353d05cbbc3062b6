// A QDialog that mirrors a platform::Dialog: one widget per control, kept in line with the
// model through the DialogView calls, and the user's actions turned into DialogHandler calls.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

#include "platform/dialog.h"
#include "platform/field_leave_tracker.h"
#include "platform/qt/qt_control_widgets.h"

namespace platform::qt {

// Frame margins last seen on a decorated window of this display; new dialogs are built with
// them so that their outer rectangle is the real one from the start.
FrameMargins KnownFrameMargins();
void SetKnownFrameMargins(FrameMargins margins);

// The dialog window of a live model, or nullptr.
QWidget* WindowOf(const Dialog* dialog);

// The name given to the widget of control `index`, so that tests and tools can find it.
QString ControlObjectName(std::size_t index);

class DialogWindow : public QDialog,
                     public DialogView,
                     private ControlEvents,
                     private FieldLeaveTracker::Host {
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

  // Every handler call goes through here (see FieldLeaveTracker): pending field leaves run
  // first, nothing runs while another handler is still on the stack, and an ended model closes
  // the window.
  void Dispatch(const std::function<void(Dialog&, DialogHandler&)>& action);
  void SchedulePendingLeaves();
  void CloseIfEnded();

  // FieldLeaveTracker::Host.
  bool Ended() const override { return model_.Ended(); }
  void RunLeave(std::size_t index) override;

  // ControlEvents.
  void ButtonClicked(std::size_t index) override;
  void FieldActivated(std::size_t index, int item) override;
  void ListRowChanged(std::size_t index, int row) override;

  const Dialog& model_;
  Dialog* mutableModel_ = nullptr;  // null for a mirror
  DialogHandler* handler_ = nullptr;
  std::vector<QPointer<QWidget>> widgets_;
  FieldLeaveTracker leaves_{*this};
  bool applyingGeometry_ = false;
  bool syncing_ = false;
};

}  // namespace platform::qt
