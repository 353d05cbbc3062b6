#include "platform/qt/qt_dialog_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <map>

#include "platform/qt/qt_draw_context.h"

namespace platform::qt {

namespace {

FrameMargins knownFrame;

std::map<const Dialog*, QWidget*>& Windows() {
  static std::map<const Dialog*, QWidget*> windows;
  return windows;
}

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
}

FocusLoss LossOf(const QFocusEvent& event) {
  switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
      return FocusLoss::WindowInactive;
    case Qt::PopupFocusReason:
      return FocusLoss::OwnPopup;
    default:
      return FocusLoss::Moved;
  }
}

}  // namespace

FrameMargins KnownFrameMargins() {
  return knownFrame;
}
void SetKnownFrameMargins(FrameMargins margins) {
  knownFrame = margins;
}

QWidget* WindowOf(const Dialog* dialog) {
  if (!dialog) return nullptr;
  auto it = Windows().find(dialog);
  return it == Windows().end() ? nullptr : it->second;
}

QString ControlObjectName(std::size_t index) {
  return QString("control-%1").arg(index);
}

DialogWindow::DialogWindow(Dialog& dialog, DialogHandler& handler, QWidget* parent)
    : QDialog(parent), model_(dialog), mutableModel_(&dialog), handler_(&handler) {
  Windows()[&model_] = this;
  Init();
  qApp->installEventFilter(this);
  dialog.AttachView(this);
}

DialogWindow::DialogWindow(const Dialog& dialog, QWidget* parent)
    : QDialog(parent), model_(dialog) {
  Init();
}

DialogWindow::~DialogWindow() {
  if (mutableModel_) mutableModel_->AttachView(nullptr);
  auto it = Windows().find(&model_);
  if (it != Windows().end() && it->second == this) Windows().erase(it);
}

void DialogWindow::Init() {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setSizeGripEnabled(false);
  FontDescription font;
  // Points at 96 dots per inch, as the dialog manager asks for the template's font.
  font.height = -((model_.Template().fontSize * 96 + 36) / 72);
  font.faceName = model_.Template().fontName;
  setFont(MakeQFont(font));
  setWindowTitle(ToQString(model_.Caption()));
  for (std::size_t i = 0; i < model_.Controls().size(); ++i) CreateWidget(i);
  ApplyGeometry();
}

QWidget* DialogWindow::ControlWidget(std::size_t index) const {
  return index < widgets_.size() ? widgets_[index].data() : nullptr;
}

void DialogWindow::CreateWidget(std::size_t index) {
  const Control& control = *model_.Controls()[index];
  QWidget* widget = AdapterFor(control.kind).create(*this, model_, index, *this);
  widget->setObjectName(ControlObjectName(index));
  widget->setProperty("rsControlId", control.id);
  if (control.kind != ControlKind::GroupBox && !control.tabStop &&
      control.kind != ControlKind::Label && control.kind != ControlKind::Picture)
    widget->setFocusPolicy(Qt::ClickFocus);
  if (widgets_.size() <= index) widgets_.resize(index + 1);
  widgets_[index] = widget;
  Sync(index);
  widget->show();
  if (control.kind == ControlKind::GroupBox) widget->lower();
}

void DialogWindow::Sync(std::size_t index) {
  if (index >= model_.Controls().size() || index >= widgets_.size() || !widgets_[index]) return;
  const Control& control = *model_.Controls()[index];
  QWidget* widget = widgets_[index];
  const QSignalBlocker blocker(widget);
  syncing_ = true;
  widget->setEnabled(control.enabled);
  QRect geometry = ToQRect(control.rect);
  AdapterFor(control.kind).sync(*widget, control, geometry);
  if (widget->geometry() != geometry) widget->setGeometry(geometry);
  syncing_ = false;
}

void DialogWindow::ApplyGeometry() {
  const FrameMargins frame = model_.Frame();
  const Rect outer = model_.OuterRect();
  const int width = std::max(1, outer.Width() - frame.left - frame.right);
  const int height = std::max(1, outer.Height() - frame.top - frame.bottom);
  applyingGeometry_ = true;
  setFixedSize(width, height);
  // A top-level move places the frame's top-left corner.
  move(outer.left, outer.top);
  applyingGeometry_ = false;
}

void DialogWindow::ReadGeometryFromWindow() {
  if (!mutableModel_ || applyingGeometry_ || !isVisible()) return;
  const QRect frameRect = frameGeometry();
  const QRect client = geometry();
  if (frameRect != client)
    SetKnownFrameMargins({client.left() - frameRect.left(), client.top() - frameRect.top(),
                          frameRect.right() - client.right(),
                          frameRect.bottom() - client.bottom()});
  const Rect outer{frameRect.left(), frameRect.top(), frameRect.left() + frameRect.width(),
                   frameRect.top() + frameRect.height()};
  if (outer == model_.OuterRect()) return;
  // The user (or the window manager) moved the window: the model follows, so that the page
  // saves the corner where the window really is.
  applyingGeometry_ = true;
  mutableModel_->SetOuterRect(outer);
  applyingGeometry_ = false;
}

void DialogWindow::CaptionChanged() {
  setWindowTitle(ToQString(model_.Caption()));
}

void DialogWindow::GeometryChanged() {
  if (!applyingGeometry_) ApplyGeometry();
}

void DialogWindow::ControlAdded(std::size_t index) {
  if (index < model_.Controls().size()) CreateWidget(index);
}

void DialogWindow::ControlChanged(std::size_t index) {
  Sync(index);
}

void DialogWindow::Invalidated(std::size_t index) {
  if (QWidget* widget = ControlWidget(index)) widget->update();
}

int DialogWindow::FieldIndexOf(QObject* object) const {
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    QWidget* widget = widgets_[i];
    if (!widget || model_.Controls()[i]->kind != ControlKind::Field) continue;
    if (object == widget ||
        (object->isWidgetType() && widget->isAncestorOf(static_cast<QWidget*>(object))))
      return static_cast<int>(i);
  }
  return -1;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      leaves_.KeyPressed(FieldIndexOf(watched), key == Qt::Key_Return || key == Qt::Key_Enter);
      break;
    }
    case QEvent::MouseButtonRelease:
      leaves_.MouseUsed();
      // A press that moved the focus without becoming a click: the leave can run now.
      if (leaves_.HasPendingLeaves()) SchedulePendingLeaves();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      leaves_.MouseUsed();
      break;
    case QEvent::FocusOut: {
      QWidget* now = QApplication::focusWidget();
      if (leaves_.FocusLost(FieldIndexOf(watched), LossOf(*static_cast<QFocusEvent*>(event)),
                            now ? FieldIndexOf(now) : -1) &&
          handler_)
        SchedulePendingLeaves();
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::SchedulePendingLeaves() {
  QTimer::singleShot(0, this, [this] {
    if (leaves_.IdleRunDue(QGuiApplication::mouseButtons() != Qt::NoButton))
      Dispatch([](Dialog&, DialogHandler&) {});
  });
}

void DialogWindow::RunLeave(std::size_t index) {
  auto* combo = qobject_cast<QComboBox*>(ControlWidget(index));
  if (!combo || !mutableModel_) return;
  const int id = model_.Controls()[index]->id;
  const std::string text = combo->currentText().toStdString();
  if (model_.Controls()[index]->text != text) mutableModel_->SetText(id, text);
  handler_->OnFieldLeave(*mutableModel_, id);
}

void DialogWindow::Dispatch(const std::function<void(Dialog&, DialogHandler&)>& action) {
  if (!handler_ || !mutableModel_) return;
  if (leaves_.Dispatch([this, &action] { action(*mutableModel_, *handler_); })) CloseIfEnded();
}

void DialogWindow::CloseIfEnded() {
  if (model_.Ended() && isVisible()) done(model_.Result());
}

void DialogWindow::ButtonClicked(std::size_t index) {
  if (index >= model_.Controls().size()) return;
  const int id = model_.Controls()[index]->id;
  Dispatch([id](Dialog& dialog, DialogHandler& handler) { handler.OnClicked(dialog, id); });
  // Show what the model says, whatever the button did on its own.
  Sync(index);
}

void DialogWindow::FieldActivated(std::size_t index, int item) {
  if (syncing_ || index >= model_.Controls().size()) return;
  if (leaves_.IsFinishing(static_cast<int>(index))) return;
  const int id = model_.Controls()[index]->id;
  Dispatch([id, item](Dialog& dialog, DialogHandler& handler) {
    dialog.Select(id, item);
    handler.OnFieldPick(dialog, id);
  });
}

void DialogWindow::ListRowChanged(std::size_t index, int row) {
  if (syncing_ || index >= model_.Controls().size()) return;
  const int id = model_.Controls()[index]->id;
  Dispatch([id, row](Dialog& dialog, DialogHandler& handler) {
    dialog.Select(id, row);
    handler.OnFieldPick(dialog, id);
  });
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  if (!handler_) {
    QDialog::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      // The field being edited is left before the page acts on the OK command, so that a
      // typed value is tested before the page can close.
      leaves_.EnterPressed(focusWidget() ? FieldIndexOf(focusWidget()) : -1);
      Dispatch([](Dialog& dialog, DialogHandler& handler) { handler.OnOkCommand(dialog); });
      return;
    }
    case Qt::Key_Escape:
      Dispatch([](Dialog& dialog, DialogHandler& handler) { handler.OnCancelCommand(dialog); });
      return;
    case Qt::Key_F1:
      Dispatch([](Dialog& dialog, DialogHandler& handler) { handler.OnHelpCommand(dialog); });
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
  if (!handler_ || model_.Ended()) {
    QDialog::closeEvent(event);
    return;
  }
  // The close box is the cancel command; the page decides whether the window goes.
  event->ignore();
  Dispatch([](Dialog& dialog, DialogHandler& handler) { handler.OnCancelCommand(dialog); });
}

void DialogWindow::reject() {
  if (!handler_ || model_.Ended()) {
    QDialog::reject();
    return;
  }
  Dispatch([](Dialog& dialog, DialogHandler& handler) { handler.OnCancelCommand(dialog); });
}

void DialogWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  ReadGeometryFromWindow();
}

void DialogWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The frame is known once the window is on screen.
  QTimer::singleShot(0, this, [this] { ReadGeometryFromWindow(); });
}

int DialogWindow::Run() {
  if (model_.Ended()) return model_.Result();
  exec();
  if (!model_.Ended() && mutableModel_) mutableModel_->End(kResultCancel);
  return model_.Result();
}

}  // namespace platform::qt
