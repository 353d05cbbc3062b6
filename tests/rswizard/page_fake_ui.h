// A scripted user interface for the Reed-Solomon pages: a page is shown, a test body acts on
// it while it is open, and every message box is recorded with the texts the page's fields
// showed at that moment, so that the order of message and reset can be checked.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "tests/support/fake_platform.h"

namespace rspagetest {

struct Box {
  std::string caption;
  std::string text;
  const platform::Dialog* owner = nullptr;
  std::map<int, std::string> fieldTexts;  // the watched fields' texts while the box was up
};

class PageUi : public testsupport::RecordingUi {
 public:
  std::vector<Box> boxes;
  std::vector<int> watchedFields;
  std::function<void(platform::Dialog&)> whileShown;

  void MessageBox(const platform::Dialog* owner, std::string_view text,
                  std::string_view caption) override {
    RecordingUi::MessageBox(owner, text, caption);
    Box box{std::string(caption), std::string(text), owner, {}};
    for (int id : watchedFields) box.fieldTexts[id] = owner ? owner->Text(id) : "";
    boxes.push_back(box);
  }

  int RunModal(const platform::DialogTemplate& dialogTemplate, const platform::Dialog* owner,
               platform::DialogHandler& handler) override {
    platform::Dialog dialog(dialogTemplate, owner, platform::FrameMargins{3, 22, 3, 3},
                            ScreenRect());
    dialog.BuildFromTemplate();
    handler.OnInitDialog(dialog);
    if (whileShown && !dialog.Ended()) whileShown(dialog);
    if (!dialog.Ended()) dialog.End(platform::kResultCancel);
    return dialog.Result();
  }
};

// "lo" .. "hi" as the lists hold them; empty when hi < lo.
inline std::vector<std::string> Range(int lo, int hi) {
  std::vector<std::string> out;
  for (int v = lo; v <= hi; ++v) out.push_back(std::to_string(v));
  return out;
}

// Counts the repaints of one control.
class RepaintCounter : public platform::DialogView {
 public:
  explicit RepaintCounter(const platform::Dialog& dialog, int id) {
    for (std::size_t i = 0; i < dialog.Controls().size(); ++i)
      if (dialog.Controls()[i]->id == id) index_ = i;
  }
  int count = 0;
  void Invalidated(std::size_t index) override {
    if (index == index_) ++count;
  }

 private:
  std::size_t index_ = static_cast<std::size_t>(-1);
};

}  // namespace rspagetest
