// A generic wizard of plain pages, for testing the host without the Reed-Solomon wizard.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "description/wizard_description.h"
#include "host/nav_code.h"
#include "host/process_state.h"
#include "host/wizard_app.h"
#include "host/wizard_page.h"
#include "tests/support/fake_platform.h"

namespace hosttest {

// What a shown dialog looked like when its script ran.
struct ShownPage {
  std::string caption;
  platform::Rect outer;
  std::vector<platform::Control> controls;
};

// Runs one scripted action per dialog shown, in order; a dialog without an action is cancelled.
class ScriptedUi : public testsupport::RecordingUi {
 public:
  using Action = std::function<void(platform::Dialog&, platform::DialogHandler&)>;
  std::deque<Action> actions;
  std::vector<ShownPage> shown;

  ScriptedUi() {
    script = [this](platform::Dialog& dialog, platform::DialogHandler& handler) {
      ShownPage page{dialog.Caption(), dialog.OuterRect(), {}};
      for (const auto& c : dialog.Controls()) page.controls.push_back(*c);
      shown.push_back(page);
      if (actions.empty()) return;
      Action action = actions.front();
      actions.pop_front();
      action(dialog, handler);
    };
  }
  void Click(int id) {
    actions.push_back(
        [id](platform::Dialog& d, platform::DialogHandler& h) { h.OnClicked(d, id); });
  }
};

inline platform::DialogTemplate PlainTemplate(int width, int height, std::string caption = "") {
  platform::DialogTemplate t;
  t.number = 900;
  t.caption = std::move(caption);
  t.width = width;
  t.height = height;
  t.controls = {platform::MakeControl(platform::ControlKind::Label, platform::kNoId, "plain page",
                                      4, 4, 80, 10)};
  return t;
}

// What happened to a page; kept outside the page, which the end of the run destroys.
struct PageLog {
  bool shown = true;
  int loads = 0;
  int stores = 0;
};

class PlainPage : public host::WizardPage {
 public:
  explicit PlainPage(int width = 200, int height = 100, std::string caption = "",
                     PageLog* log = nullptr)
      : WizardPage(PlainTemplate(width, height, std::move(caption)), nullptr),
        log_(log ? log : &ownLog_) {}
  bool IsShown() override { return log_->shown; }
  void LoadPageSettings() override { ++log_->loads; }
  void StorePageSettings() override { ++log_->stores; }

 private:
  PageLog ownLog_;
  PageLog* log_;
};

class PlainWizard : public host::WizardApp {
 public:
  explicit PlainWizard(description::WizardDescription& d, int pages = 4)
      : WizardApp("RS CODEC - 1.00", nullptr, d) {
    for (int i = 0; i < pages; ++i)
      AddPage(std::make_unique<PlainPage>(200, 100, "", &plainPages[static_cast<std::size_t>(i)]));
  }
  std::array<PageLog, host::kMaxPages> plainPages;
  bool canFinish = true;
  int finishRefusals = 0;
  bool CanFinish() override {
    if (!canFinish && finishRefusals-- > 0) return false;
    return true;
  }
};

}  // namespace hosttest
