#include "host/wizard_page.h"

#include <algorithm>
#include <limits>

#include "host/nav_code.h"
#include "host/process_state.h"
#include "host/wizard_app.h"
#include "platform/platform.h"

namespace host {

using platform::Dialog;
using platform::Rect;

WizardPage::WizardPage(platform::DialogTemplate dialogTemplate, const Dialog* parent)
    : template_(std::move(dialogTemplate)), parent_(parent) {}

int WizardPage::ShowModal() {
  // The window pointer is cleared again when the dialog ends, even on a fatal path that
  // unwinds through here in tests.
  struct WindowReset {
    platform::Dialog*& window;
    ~WindowReset() { window = nullptr; }
  } reset{window_};
  return platform::Ui().RunModal(template_, parent_, *this);
}

void WizardPage::OnInitDialog(Dialog& dialog) {
  window_ = &dialog;
  dialog.SetCaption(template_.caption.empty() ? title_ : title_ + " -- " + template_.caption);
  AdjustLayout();
  Place(dialog);
  CreateButtonBar(dialog);
  ApplyButtonState(dialog);
}

void WizardPage::AdjustLayout() {
  const Rect outer = window_->OuterRect();
  templateWidth = outer.Width();
  const int width = std::max(templateWidth, kMinPageWidth);
  window_->SetOuterRect(
      {outer.left, outer.top, outer.left + width, outer.top + outer.Height() + kButtonStripHeight});
}

void WizardPage::Place(Dialog& dialog) {
  ProcessState& state = State();
  const Rect outer = dialog.OuterRect();
  const int w = outer.Width();
  const int h = outer.Height();
  if (state.positionKnown) {
    // A corner from the command line is taken unchecked and may be any int; one so far up or
    // left that the page's other edges would leave the int range is moved just enough.
    const int x = std::max(state.pagePosition.x, std::numeric_limits<int>::min() + w);
    const int y = std::max(state.pagePosition.y, std::numeric_limits<int>::min() + h);
    dialog.SetOuterRect({x - w, y - h, x, y});
    return;
  }
  const Rect owner = dialog.OwnerOrScreenRect();
  const int cx = (owner.left + owner.right) / 2;
  const int cy = (owner.top + owner.bottom) / 2;
  const int left = cx - w / 2;
  const int top = cy - h / 2;
  dialog.SetOuterRect({left, top, left + w, top + h});
  state.pagePosition = {cx + w / 2, cy + h / 2};
  state.positionKnown = true;
}

void WizardPage::CreateButtonBar(Dialog& dialog) {
  const Rect outer = dialog.OuterRect();
  const int r = outer.right;
  const int b = outer.bottom;
  struct ButtonSpec {
    int id;
    const char* text;
    int leftFromRight;
    bool groupStart;
  };
  // Left to right the bar reads Cancel, < Back, Next >, Finish; created in this order.
  static constexpr ButtonSpec kButtons[] = {
      {kNextButton, "Next >", 125, true},
      {kBackButton, "< Back", 184, false},
      {kCancelButton, "Cancel", 243, false},
      {kFinishButton, "Finish", 66, false},
  };
  for (const ButtonSpec& spec : kButtons) {
    const Rect screen{r - spec.leftFromRight, b - 30, r - spec.leftFromRight + 56, b - 10};
    platform::Control& button = dialog.CreateControl(platform::ControlKind::PushButton, spec.id,
                                                     spec.text, dialog.ScreenToClient(screen));
    button.tabStop = true;
    button.groupStart = spec.groupStart;
  }
  const int separatorLeft = templateWidth <= kMinPageWidth ? r - 243 : r - templateWidth + 10;
  dialog.CreateControl(platform::ControlKind::BlackRect, kSeparator, "",
                       dialog.ScreenToClient(Rect{separatorLeft, b - 40, r - 10, b - 38}));
}

void WizardPage::ApplyButtonState(Dialog& dialog) {
  if (buttonState == FirstPage) {
    dialog.Enable(kBackButton, false);
    dialog.SetDefaultLook(kNextButton, true);
    dialog.SetDefaultLook(kFinishButton, false);
  } else if (buttonState == LastPage) {
    dialog.Enable(kNextButton, false);
    dialog.SetDefaultLook(kFinishButton, true);
  }
}

bool WizardPage::SavePosition() {
  const Rect outer = window_->OuterRect();
  State().pagePosition = {outer.right, outer.bottom};
  return true;
}

void PostNavigationNotice() {
  const ProcessState& state = State();
  if (state.callerThreadGiven)
    platform::Process().PostNotice(state.callerThreadId, NavigationNotice, state.pagePosition.x,
                                   state.pagePosition.y);
}

void WizardPage::Leave(int code) {
  if (!SavePosition() || !CanLeave()) return;
  navCode = code;
  PostNavigationNotice();
  window_->End(platform::kResultOk);
}

void WizardPage::OnBack() {
  Leave(NavBack);
}
void WizardPage::OnNext() {
  Leave(NavNext);
}
void WizardPage::OnFinish() {
  Leave(NavFinish);
}

void WizardPage::OnCancel() {
  navCode = NavCancel;
  PostNavigationNotice();
  window_->End(platform::kResultCancel);
}

void WizardPage::OnClicked(Dialog&, int id) {
  switch (id) {
    case kBackButton:
      OnBack();
      break;
    case kNextButton:
      OnNext();
      break;
    case kFinishButton:
      OnFinish();
      break;
    case kCancelButton:
      OnCancel();
      break;
    default:
      break;
  }
}

// The dialog's own OK handling: the page closes and keeps the code it holds.
void WizardPage::OnOkCommand(Dialog& dialog) {
  dialog.End(platform::kResultOk);
}

void WizardPage::OnCancelCommand(Dialog&) {
  OnCancel();
}

void WizardPage::OnHelpCommand(Dialog&) {
  if (WizardApp* app = CurrentApp()) app->OnHelpCommand();
}

}  // namespace host
