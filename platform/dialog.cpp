#include "platform/dialog.h"

#include <utility>

namespace platform {

Dialog::Dialog(const DialogTemplate& dialogTemplate, const Dialog* owner, FrameMargins frame,
               Rect screen)
    : template_(dialogTemplate), owner_(owner), frame_(frame), screen_(screen) {}

void Dialog::BuildFromTemplate() {
  caption_ = template_.caption;
  const int clientWidth = DialogUnitsToPixelsX(template_.width);
  const int clientHeight = DialogUnitsToPixelsY(template_.height);
  outer_ = {screen_.left, screen_.top, screen_.left + frame_.left + clientWidth + frame_.right,
            screen_.top + frame_.top + clientHeight + frame_.bottom};
  controls_.clear();
  for (const TemplateControl& t : template_.controls) {
    Control& c =
        CreateControl(t.kind, t.id, t.text, DialogUnitsToPixels(t.x, t.y, t.width, t.height));
    c.groupStart = t.groupStart;
    c.label = t.label;
    c.items = t.items;
    c.pictureId = t.pictureId;
    c.tabStop = t.kind != ControlKind::Label && t.kind != ControlKind::GroupBox &&
                t.kind != ControlKind::Picture;
  }
}

void Dialog::End(int result) {
  ended_ = true;
  result_ = result;
}

void Dialog::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (view_) view_->CaptionChanged();
}

void Dialog::SetOuterRect(const Rect& outer) {
  outer_ = outer;
  if (view_) view_->GeometryChanged();
}

Rect Dialog::ClientRectOnScreen() const {
  return {outer_.left + frame_.left, outer_.top + frame_.top, outer_.right - frame_.right,
          outer_.bottom - frame_.bottom};
}

Point Dialog::ScreenToClient(Point p) const {
  const Rect client = ClientRectOnScreen();
  return {p.x - client.left, p.y - client.top};
}

Rect Dialog::ScreenToClient(const Rect& r) const {
  const Rect client = ClientRectOnScreen();
  return r.Offset(-client.left, -client.top);
}

Rect Dialog::OwnerOrScreenRect() const {
  return owner_ ? owner_->OuterRect() : screen_;
}

Control* Dialog::Find(int id) {
  for (auto& c : controls_)
    if (c->id == id) return c.get();
  return nullptr;
}

const Control* Dialog::Find(int id) const {
  for (const auto& c : controls_)
    if (c->id == id) return c.get();
  return nullptr;
}

Control& Dialog::CreateControl(ControlKind kind, int id, std::string text, const Rect& clientRect) {
  auto control = std::make_unique<Control>();
  control->kind = kind;
  control->id = id;
  control->text = std::move(text);
  control->rect = clientRect;
  controls_.push_back(std::move(control));
  if (view_) view_->ControlAdded(controls_.size() - 1);
  return *controls_.back();
}

void Dialog::MoveControl(std::size_t index, const Rect& clientRect) {
  if (index >= controls_.size()) return;
  controls_[index]->rect = clientRect;
  Changed(*controls_[index]);
}

std::size_t Dialog::IndexOf(const Control& control) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].get() == &control) return i;
  return controls_.size();
}

void Dialog::Changed(const Control& control) {
  if (view_) view_->ControlChanged(IndexOf(control));
}

void Dialog::Enable(int id, bool enabled) {
  if (Control* c = Find(id)) {
    c->enabled = enabled;
    Changed(*c);
  }
}

bool Dialog::IsEnabled(int id) const {
  const Control* c = Find(id);
  return c && c->enabled;
}

void Dialog::SetMarked(int id, bool marked) {
  if (Control* c = Find(id)) {
    c->marked = marked;
    Changed(*c);
  }
}

bool Dialog::IsMarked(int id) const {
  const Control* c = Find(id);
  return c && c->marked;
}

void Dialog::SetDefaultLook(int id, bool on) {
  if (Control* c = Find(id)) {
    c->defaultLook = on;
    Changed(*c);
  }
}

void Dialog::SetReadOnly(int id, bool readOnly) {
  if (Control* c = Find(id)) {
    c->readOnly = readOnly;
    Changed(*c);
  }
}

void Dialog::SetText(int id, std::string text) {
  if (Control* c = Find(id)) {
    c->text = std::move(text);
    Changed(*c);
  }
}

std::string Dialog::Text(int id) const {
  const Control* c = Find(id);
  return c ? c->text : std::string();
}

void Dialog::ClearItems(int id) {
  if (Control* c = Find(id)) {
    c->items.clear();
    c->selection = -1;
    Changed(*c);
  }
}

void Dialog::AddItem(int id, std::string item) {
  if (Control* c = Find(id)) {
    c->items.push_back(std::move(item));
    Changed(*c);
  }
}

void Dialog::Select(int id, int index) {
  Control* c = Find(id);
  if (!c) return;
  if (index < 0 || index >= static_cast<int>(c->items.size())) {
    c->selection = -1;
  } else {
    c->selection = index;
    c->text = c->items[static_cast<std::size_t>(index)];
  }
  Changed(*c);
}

void Dialog::Invalidate(int id) {
  if (Control* c = Find(id))
    if (view_) view_->Invalidated(IndexOf(*c));
}

}  // namespace platform
