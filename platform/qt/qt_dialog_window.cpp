#include "platform/qt/qt_dialog_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>

#include "platform/qt/qt_draw_context.h"
#include "platform/qt/qt_resources.h"

namespace platform::qt {

namespace {

FrameMargins knownFrame;

std::map<const Dialog*, QWidget*>& Windows() {
  static std::map<const Dialog*, QWidget*> windows;
  return windows;
}

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, std::max(0, r.Width()), std::max(0, r.Height()));
}

// The program decides the marks (the pages set them from their settings), so a click must not
// toggle the button on its own.
class ModelRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {}
};

class ModelCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

class BlackRectWidget : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
  }
};

class PictureWidget : public QWidget {
 public:
  PictureWidget(int pictureId, QWidget* parent) : QWidget(parent), pixmap_(Picture(pictureId)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!pixmap_.isNull()) {
      painter.drawPixmap(0, 0, pixmap_);
      return;
    }
    // No picture shipped: a plain framed area of the same size.
    painter.fillRect(rect(), QColor(0, 128, 128));
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

 private:
  QPixmap pixmap_;
};

// With RSWIZARD_FIRST_PAINT_PROBE set, the first painted preview prints the wall-clock time and
// cancels its page: bench/e2e.sh times the GUI's start from process start to a usable page.
void ProbeFirstPaint(QWidget* panel) {
  static bool pending = std::getenv("RSWIZARD_FIRST_PAINT_PROBE") != nullptr;
  if (!pending) return;
  pending = false;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::fprintf(stderr, "rswizard: first page painted at %lld.%09ld\n",
               static_cast<long long>(now.tv_sec), now.tv_nsec);
  QWidget* page = panel->window();
  QTimer::singleShot(0, page, [page] { static_cast<QDialog*>(page)->reject(); });
}

// Painted by the page through the drawing interface, in the panel's own coordinates.
class PanelWidget : public QWidget {
 public:
  PanelWidget(const Dialog& model, std::size_t index, QWidget* parent)
      : QWidget(parent), model_(model), index_(index) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    if (index_ >= model_.Controls().size()) return;
    const Control& control = *model_.Controls()[index_];
    if (!control.paint) return;
    QPainter painter(this);
    PainterDrawContext context(painter);
    control.paint(context, Rect{0, 0, width(), height()});
    ProbeFirstPaint(this);
  }

 private:
  const Dialog& model_;
  std::size_t index_;
};

// A drop-down field shows its edit box only; the template's height also covers the list.
int FieldHeight(const QComboBox& combo, int templateHeight) {
  return std::min(templateHeight, std::max(20, std::min(22, combo.sizeHint().height())));
}

QStringList ToQStringList(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list.push_back(ToQString(item));
  return list;
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
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::PushButton: {
      auto* button = new QPushButton(this);
      // A focused button takes Enter, as on the dialog manager; elsewhere Enter is the OK command.
      button->setAutoDefault(true);
      connect(button, &QPushButton::clicked, this, [this, index] { OnButtonClicked(index); });
      widget = button;
      break;
    }
    case ControlKind::RadioButton: {
      auto* button = new ModelRadioButton(this);
      button->setAutoExclusive(false);
      connect(button, &QAbstractButton::clicked, this, [this, index] { OnButtonClicked(index); });
      widget = button;
      break;
    }
    case ControlKind::CheckBox: {
      auto* button = new ModelCheckBox(this);
      connect(button, &QAbstractButton::clicked, this, [this, index] { OnButtonClicked(index); });
      widget = button;
      break;
    }
    case ControlKind::GroupBox: {
      auto* group = new QGroupBox(this);
      // Group boxes are drawn behind the buttons they frame and never take their clicks, even
      // when the template lists them after their buttons.
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      group->setFocusPolicy(Qt::NoFocus);
      widget = group;
      break;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(this);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = label;
      break;
    }
    case ControlKind::Field: {
      auto* combo = new QComboBox(this);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      // The text the user types is the value the page tests: no completion may change it.
      combo->setCompleter(nullptr);
      combo->installEventFilter(this);
      if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
      connect(combo, &QComboBox::activated, this,
              [this, index](int item) { OnFieldActivated(index, item); });
      widget = combo;
      break;
    }
    case ControlKind::Edit:
      widget = new QLineEdit(this);
      break;
    case ControlKind::ListBox: {
      auto* list = new QListWidget(this);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      connect(list, &QListWidget::currentRowChanged, this,
              [this, index](int row) { OnListRowChanged(index, row); });
      widget = list;
      break;
    }
    case ControlKind::Picture: {
      widget = new PictureWidget(control.pictureId, this);
      widget->setAttribute(Qt::WA_TransparentForMouseEvents);
      break;
    }
    case ControlKind::BlackRect:
      widget = new BlackRectWidget(this);
      widget->setAttribute(Qt::WA_TransparentForMouseEvents);
      break;
    case ControlKind::Panel:
      widget = new PanelWidget(model_, index, this);
      widget->setAttribute(Qt::WA_TransparentForMouseEvents);
      break;
  }
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
  switch (control.kind) {
    case ControlKind::PushButton: {
      auto* button = static_cast<QPushButton*>(widget);
      button->setText(ToQString(control.text));
      if (button->isDefault() != control.defaultLook) button->setDefault(control.defaultLook);
      break;
    }
    case ControlKind::RadioButton:
    case ControlKind::CheckBox: {
      auto* button = static_cast<QAbstractButton*>(widget);
      button->setText(ToQString(control.text));
      button->setChecked(control.marked);
      break;
    }
    case ControlKind::GroupBox:
      static_cast<QGroupBox*>(widget)->setTitle(ToQString(control.text));
      break;
    case ControlKind::Label:
      static_cast<QLabel*>(widget)->setText(ToQString(control.text));
      break;
    case ControlKind::Field: {
      auto* combo = static_cast<QComboBox*>(widget);
      const QStringList items = ToQStringList(control.items);
      QStringList shown;
      for (int i = 0; i < combo->count(); ++i) shown.push_back(combo->itemText(i));
      if (shown != items) {
        combo->clear();
        combo->addItems(items);
      }
      const int selection = control.selection < combo->count() ? control.selection : -1;
      if (combo->currentIndex() != selection) combo->setCurrentIndex(selection);
      const QString text = ToQString(control.text);
      if (combo->currentText() != text) combo->setEditText(text);
      geometry.setHeight(FieldHeight(*combo, geometry.height()));
      break;
    }
    case ControlKind::Edit: {
      auto* edit = static_cast<QLineEdit*>(widget);
      const QString text = ToQString(control.text);
      if (edit->text() != text) edit->setText(text);
      edit->setReadOnly(control.readOnly);
      break;
    }
    case ControlKind::ListBox: {
      auto* list = static_cast<QListWidget*>(widget);
      const QStringList items = ToQStringList(control.items);
      QStringList shown;
      for (int i = 0; i < list->count(); ++i) shown.push_back(list->item(i)->text());
      if (shown != items) {
        list->clear();
        list->addItems(items);
      }
      const int selection = control.selection < list->count() ? control.selection : -1;
      if (list->currentRow() != selection) list->setCurrentRow(selection);
      break;
    }
    case ControlKind::Picture: {
      // A picture control takes the size of its bitmap, as a bitmap static does.
      const QPixmap pixmap = Picture(control.pictureId);
      if (!pixmap.isNull()) geometry.setSize(pixmap.size());
      break;
    }
    case ControlKind::BlackRect:
    case ControlKind::Panel:
      widget->update();
      break;
  }
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
      finishingField_ = key == Qt::Key_Return || key == Qt::Key_Enter ? FieldIndexOf(watched) : -1;
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
      finishingField_ = -1;
      break;
    case QEvent::FocusOut:
      finishingField_ = FieldIndexOf(watched);
      break;
    default:
      break;
  }
  if (event->type() == QEvent::FocusOut && handler_) {
    const int field = FieldIndexOf(watched);
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A window that merely stops being active (a message box opens, the user switches
    // windows) or a field's own list popping up does not leave the field.
    if (field >= 0 && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      QWidget* now = QApplication::focusWidget();
      const bool stillInside = now && FieldIndexOf(now) == field;
      const auto index = static_cast<std::size_t>(field);
      if (!stillInside &&
          std::find(pendingLeaves_.begin(), pendingLeaves_.end(), index) == pendingLeaves_.end()) {
        pendingLeaves_.push_back(index);
        SchedulePendingLeaves();
      }
    }
  } else if (event->type() == QEvent::MouseButtonRelease && !pendingLeaves_.empty()) {
    // A press that moved the focus without becoming a click: the leave can run now.
    SchedulePendingLeaves();
  }
  return QDialog::eventFilter(watched, event);
}

void DialogWindow::SchedulePendingLeaves() {
  QTimer::singleShot(0, this, [this] { RunPendingLeavesIfIdle(); });
}

void DialogWindow::RunPendingLeavesIfIdle() {
  if (pendingLeaves_.empty()) return;
  // While a mouse button is down the press may still become a click on a button of the page;
  // the click then runs the leave first, so that neither is lost nor run twice.
  if (QGuiApplication::mouseButtons() != Qt::NoButton) return;
  Dispatch([](Dialog&, DialogHandler&) {});
}

void DialogWindow::FlushPendingLeaves() {
  while (!pendingLeaves_.empty() && !model_.Ended()) {
    const std::size_t index = pendingLeaves_.front();
    pendingLeaves_.erase(pendingLeaves_.begin());
    RunLeave(index);
  }
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
  if (!handler_ || !mutableModel_ || model_.Ended()) return;
  // A handler is on the stack (its message box runs an event loop): whatever arrives now is
  // left for later rather than run inside it.
  if (handlerDepth_ > 0) return;
  ++handlerDepth_;
  FlushPendingLeaves();
  if (!model_.Ended()) action(*mutableModel_, *handler_);
  --handlerDepth_;
  CloseIfEnded();
}

void DialogWindow::CloseIfEnded() {
  if (model_.Ended() && isVisible()) done(model_.Result());
}

void DialogWindow::OnButtonClicked(std::size_t index) {
  if (index >= model_.Controls().size()) return;
  const int id = model_.Controls()[index]->id;
  Dispatch([id](Dialog& dialog, DialogHandler& handler) { handler.OnClicked(dialog, id); });
  // Show what the model says, whatever the button did on its own.
  Sync(index);
}

void DialogWindow::OnFieldActivated(std::size_t index, int item) {
  if (syncing_ || index >= model_.Controls().size()) return;
  if (finishingField_ == static_cast<int>(index)) return;
  const int id = model_.Controls()[index]->id;
  Dispatch([id, item](Dialog& dialog, DialogHandler& handler) {
    dialog.Select(id, item);
    handler.OnFieldPick(dialog, id);
  });
}

void DialogWindow::OnListRowChanged(std::size_t index, int row) {
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
      const int field = focusWidget() ? FieldIndexOf(focusWidget()) : -1;
      if (field >= 0 && std::find(pendingLeaves_.begin(), pendingLeaves_.end(),
                                  static_cast<std::size_t>(field)) == pendingLeaves_.end())
        pendingLeaves_.push_back(static_cast<std::size_t>(field));
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
