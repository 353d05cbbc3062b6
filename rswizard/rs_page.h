// The base of the three pages of the Reed-Solomon block: a symbol preview page that works on
// the process-wide settings and description and redraws the preview after a change.
#pragma once

#include <string>
#include <string_view>

#include "description/wizard_description.h"
#include "host/symbol_preview_page.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "symbol/symbol_model.h"

namespace rswizard {

class RsPage : public host::SymbolPreviewPage {
 public:
  RsPage(platform::DialogTemplate dialogTemplate, description::WizardDescription& description,
         const symbol::SymbolModel* model, const platform::Dialog* parent);

  // After a change of a setting: the symbol rebuilt from the settings and the panel repainted.
  // A page without a panel does neither.
  void RefreshPreview();

 protected:
  description::WizardDescription& Description() { return description_; }
  // A message box owned by the page's window, with its one OK button.
  void ShowMessage(std::string_view text, std::string_view caption) const;

 private:
  description::WizardDescription& description_;
};

}  // namespace rswizard
