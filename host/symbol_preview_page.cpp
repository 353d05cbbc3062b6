#include "host/symbol_preview_page.h"

#include <algorithm>

#include "symbol/symbol_panel_paint.h"

namespace host {

using platform::Rect;

SymbolPreviewPage::SymbolPreviewPage(platform::DialogTemplate dialogTemplate,
                                     const platform::Dialog* parent,
                                     const symbol::SymbolModel* model)
    : WizardPage(std::move(dialogTemplate), parent), model_(model) {}

void SymbolPreviewPage::AdjustLayout() {
  platform::Dialog* window = Window();
  if (!window) return;
  const Rect outer = window->OuterRect();
  templateWidth = outer.Width();
  const int panelWidth = model_ ? model_->panelWidth : 0;
  const int minHeight = model_ ? model_->panelHeight : 0;
  const int width = std::max(templateWidth + panelWidth, kMinPageWidth);
  const int height = std::max(outer.Height() + kButtonStripHeight, minHeight);
  window->SetOuterRect({outer.left, outer.top, outer.left + width, outer.top + height});
  if (!model_) return;

  // Only the template's controls exist yet: the button bar is placed after the layout, against
  // the widened page's right edge.
  const auto& controls = window->Controls();
  for (std::size_t i = 0; i < controls.size(); ++i)
    window->MoveControl(i, controls[i]->rect.Offset(panelWidth, 0));

  platform::Control& panel =
      window->CreateControl(platform::ControlKind::Panel, kSymbolPanelId, kSymbolPanelText,
                            Rect{0, 0, panelWidth, window->OuterRect().Height()});
  const symbol::SymbolModel* model = model_;
  panel.paint = [model](platform::DrawContext& dc, const Rect& client) {
    symbol::PaintSymbolPanel(dc, client, *model);
  };
}

bool SymbolPreviewPage::HasPanel() const {
  const platform::Dialog* window = Window();
  return model_ && window && window->Find(kSymbolPanelId);
}

void SymbolPreviewPage::RepaintPanel() {
  if (HasPanel()) Window()->Invalidate(kSymbolPanelId);
}

}  // namespace host
