// A wizard page with the block's schematic symbol in a panel at its left edge. The page is
// widened by the panel's width and its own controls are moved right to make room; the panel
// paints the model as it is at that moment, so a page that changes a setting only has to
// rebuild the symbol and ask for a repaint.
#pragma once

#include "host/wizard_page.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "symbol/symbol_model.h"

namespace host {

// The panel control: a static child with this id and window text.
inline constexpr int kSymbolPanelId = 0xFFFF;
inline constexpr const char* kSymbolPanelText = "CStatic panel";

class SymbolPreviewPage : public WizardPage {
 public:
  // Without a model (null) the page is laid out as a plain wizard page and has no panel.
  SymbolPreviewPage(platform::DialogTemplate dialogTemplate, const platform::Dialog* parent,
                    const symbol::SymbolModel* model);

  void AdjustLayout() override;

  // True while the page is shown with its panel.
  bool HasPanel() const;
  // Has the whole panel painted again, background erased; nothing without a panel.
  void RepaintPanel();

  const symbol::SymbolModel* Model() const { return model_; }

 private:
  const symbol::SymbolModel* model_;
};

}  // namespace host
