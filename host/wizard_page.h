// The base of every wizard page: a modal dialog built from a numbered template, with the title
// line, the button bar ("Cancel", "< Back", "Next >", "Finish") and the placement of every page
// at the same screen corner.
#pragma once

#include <string>

#include "platform/dialog.h"
#include "platform/dialog_template.h"

namespace host {

// Control ids of the button bar.
inline constexpr int kFinishButton = 10;
inline constexpr int kBackButton = 11;
inline constexpr int kNextButton = 12;
inline constexpr int kCancelButton = 2;
inline constexpr int kSeparator = 14;

// Narrowest page and height of the strip the button bar takes at the bottom.
inline constexpr int kMinPageWidth = 253;
inline constexpr int kButtonStripHeight = 40;

class WizardPage : public platform::DialogHandler {
 public:
  WizardPage(platform::DialogTemplate dialogTemplate, const platform::Dialog* parent);
  ~WizardPage() override = default;

  // Shows the page modally (a fresh window each time) until it is closed; returns the dialog's
  // result.
  int ShowModal();

  // The page's own operations, in their slot order.
  virtual void AdjustLayout();
  virtual bool SavePosition();
  virtual void OnBack();
  virtual void OnNext();
  virtual void OnFinish();
  virtual bool CanLeave() { return true; }
  virtual bool IsShown() { return true; }
  virtual void LoadPageSettings() {}
  virtual void StorePageSettings() {}

  void SetTitle(std::string title) { title_ = std::move(title); }
  const std::string& Title() const { return title_; }
  int buttonState = 1;
  int navCode = 1;
  int templateWidth = 0;

  const platform::DialogTemplate& Template() const { return template_; }
  // The window while the page is shown, else null.
  platform::Dialog* Window() const { return window_; }

  // Platform dialog operations the page takes over. A concrete page's initialisation first
  // runs this one, then fills its controls; its click handler passes other ids on to this one.
  void OnInitDialog(platform::Dialog& dialog) override;
  void OnClicked(platform::Dialog& dialog, int id) override;
  void OnOkCommand(platform::Dialog& dialog) override;
  void OnCancelCommand(platform::Dialog& dialog) override;
  void OnHelpCommand(platform::Dialog& dialog) override;

 protected:
  virtual void OnCancel();
  // Leaves the page with the code of a button: position, validation, notice, close.
  void Leave(int code);

 private:
  void Place(platform::Dialog& dialog);
  void CreateButtonBar(platform::Dialog& dialog);
  void ApplyButtonState(platform::Dialog& dialog);

  platform::DialogTemplate template_;
  const platform::Dialog* parent_;
  platform::Dialog* window_ = nullptr;
  std::string title_;
};

// Posts the page corner to the caller when the command line named its thread.
void PostNavigationNotice();

}  // namespace host
