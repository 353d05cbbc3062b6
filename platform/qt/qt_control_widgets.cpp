#include "platform/qt/qt_control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "platform/qt/qt_draw_context.h"
#include "platform/qt/qt_resources.h"

namespace platform::qt {

namespace {

FirstPaintHook firstPaintHook = nullptr;

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
    if (FirstPaintHook hook = std::exchange(firstPaintHook, nullptr)) hook(this);
  }

 private:
  const Dialog& model_;
  std::size_t index_;
};

// A drop-down field shows its edit box only; the template's height also covers the list.
int FieldHeight(const QComboBox& combo, int templateHeight) {
  return std::min(templateHeight, std::max(20, std::min(22, combo.sizeHint().height())));
}

// Refills the widget's list only when its items differ from the control's; returns the
// selection the widget can show.
template <typename List, typename ItemText>
int SyncItems(List& list, const Control& control, ItemText itemText) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(control.items.size()));
  for (const std::string& item : control.items) items.push_back(ToQString(item));
  QStringList shown;
  for (int i = 0; i < list.count(); ++i) shown.push_back(itemText(list, i));
  if (shown != items) {
    list.clear();
    list.addItems(items);
  }
  return control.selection < list.count() ? control.selection : -1;
}

template <typename Button>
QWidget* CreateButton(QWidget& window, const Dialog&, std::size_t index, ControlEvents& events) {
  auto* button = new Button(&window);
  QObject::connect(button, &QAbstractButton::clicked, &window,
                   [&events, index] { events.ButtonClicked(index); });
  return button;
}

QWidget* CreatePushButton(QWidget& window, const Dialog& model, std::size_t index,
                          ControlEvents& events) {
  auto* button = static_cast<QPushButton*>(CreateButton<QPushButton>(window, model, index, events));
  // A focused button takes Enter, as on the dialog manager; elsewhere Enter is the OK command.
  button->setAutoDefault(true);
  return button;
}

void SyncPushButton(QWidget& widget, const Control& control, QRect&) {
  auto& button = static_cast<QPushButton&>(widget);
  button.setText(ToQString(control.text));
  if (button.isDefault() != control.defaultLook) button.setDefault(control.defaultLook);
}

QWidget* CreateRadioButton(QWidget& window, const Dialog& model, std::size_t index,
                           ControlEvents& events) {
  QWidget* button = CreateButton<ModelRadioButton>(window, model, index, events);
  static_cast<QRadioButton*>(button)->setAutoExclusive(false);
  return button;
}

void SyncMarkedButton(QWidget& widget, const Control& control, QRect&) {
  auto& button = static_cast<QAbstractButton&>(widget);
  button.setText(ToQString(control.text));
  button.setChecked(control.marked);
}

QWidget* CreateGroupBox(QWidget& window, const Dialog&, std::size_t, ControlEvents&) {
  auto* group = new QGroupBox(&window);
  // Group boxes are drawn behind the buttons they frame and never take their clicks, even when
  // the template lists them after their buttons.
  group->setAttribute(Qt::WA_TransparentForMouseEvents);
  group->setFocusPolicy(Qt::NoFocus);
  return group;
}

void SyncGroupBox(QWidget& widget, const Control& control, QRect&) {
  static_cast<QGroupBox&>(widget).setTitle(ToQString(control.text));
}

QWidget* CreateLabel(QWidget& window, const Dialog&, std::size_t, ControlEvents&) {
  auto* label = new QLabel(&window);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

void SyncLabel(QWidget& widget, const Control& control, QRect&) {
  static_cast<QLabel&>(widget).setText(ToQString(control.text));
}

QWidget* CreateField(QWidget& window, const Dialog&, std::size_t index, ControlEvents& events) {
  auto* combo = new QComboBox(&window);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  // The text the user types is the value the page tests: no completion may change it.
  combo->setCompleter(nullptr);
  combo->installEventFilter(&window);
  if (combo->lineEdit()) combo->lineEdit()->installEventFilter(&window);
  QObject::connect(combo, &QComboBox::activated, &window,
                   [&events, index](int item) { events.FieldActivated(index, item); });
  return combo;
}

void SyncField(QWidget& widget, const Control& control, QRect& geometry) {
  auto& combo = static_cast<QComboBox&>(widget);
  const int selection =
      SyncItems(combo, control, [](QComboBox& c, int i) { return c.itemText(i); });
  if (combo.currentIndex() != selection) combo.setCurrentIndex(selection);
  const QString text = ToQString(control.text);
  if (combo.currentText() != text) combo.setEditText(text);
  geometry.setHeight(FieldHeight(combo, geometry.height()));
}

QWidget* CreateEdit(QWidget& window, const Dialog&, std::size_t, ControlEvents&) {
  return new QLineEdit(&window);
}

void SyncEdit(QWidget& widget, const Control& control, QRect&) {
  auto& edit = static_cast<QLineEdit&>(widget);
  const QString text = ToQString(control.text);
  if (edit.text() != text) edit.setText(text);
  edit.setReadOnly(control.readOnly);
}

QWidget* CreateListBox(QWidget& window, const Dialog&, std::size_t index, ControlEvents& events) {
  auto* list = new QListWidget(&window);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  QObject::connect(list, &QListWidget::currentRowChanged, &window,
                   [&events, index](int row) { events.ListRowChanged(index, row); });
  return list;
}

void SyncListBox(QWidget& widget, const Control& control, QRect&) {
  auto& list = static_cast<QListWidget&>(widget);
  const int selection =
      SyncItems(list, control, [](QListWidget& l, int i) { return l.item(i)->text(); });
  if (list.currentRow() != selection) list.setCurrentRow(selection);
}

// Pictures, black rectangles and panels only show: clicks go through them.
QWidget* Decoration(QWidget* widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  return widget;
}

QWidget* CreatePicture(QWidget& window, const Dialog& model, std::size_t index, ControlEvents&) {
  return Decoration(new PictureWidget(model.Controls()[index]->pictureId, &window));
}

void SyncPicture(QWidget&, const Control& control, QRect& geometry) {
  // A picture control takes the size of its bitmap, as a bitmap static does.
  const QPixmap pixmap = Picture(control.pictureId);
  if (!pixmap.isNull()) geometry.setSize(pixmap.size());
}

QWidget* CreateBlackRect(QWidget& window, const Dialog&, std::size_t, ControlEvents&) {
  return Decoration(new BlackRectWidget(&window));
}

QWidget* CreatePanel(QWidget& window, const Dialog& model, std::size_t index, ControlEvents&) {
  return Decoration(new PanelWidget(model, index, &window));
}

void Repaint(QWidget& widget, const Control&, QRect&) {
  widget.update();
}

}  // namespace

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const ControlAdapter& AdapterFor(ControlKind kind) {
  struct Row {
    ControlKind kind;
    ControlAdapter adapter;
  };
  static constexpr Row kRows[] = {
      {ControlKind::PushButton, {CreatePushButton, SyncPushButton}},
      {ControlKind::RadioButton, {CreateRadioButton, SyncMarkedButton}},
      {ControlKind::CheckBox, {CreateButton<ModelCheckBox>, SyncMarkedButton}},
      {ControlKind::GroupBox, {CreateGroupBox, SyncGroupBox}},
      {ControlKind::Label, {CreateLabel, SyncLabel}},
      {ControlKind::Field, {CreateField, SyncField}},
      {ControlKind::Edit, {CreateEdit, SyncEdit}},
      {ControlKind::ListBox, {CreateListBox, SyncListBox}},
      {ControlKind::Picture, {CreatePicture, SyncPicture}},
      {ControlKind::BlackRect, {CreateBlackRect, Repaint}},
      {ControlKind::Panel, {CreatePanel, Repaint}},
  };
  for (const Row& row : kRows)
    if (row.kind == kind) return row.adapter;
  // Every kind has its row; a label shows whatever text a kind without one would have.
  return kRows[4].adapter;
}

void SetFirstPaintHook(FirstPaintHook hook) {
  firstPaintHook = hook;
}

}  // namespace platform::qt
