#include "rswizard/rs_page.h"

#include "platform/platform.h"
#include "rswizard/rs_symbol.h"

namespace rswizard {

RsPage::RsPage(platform::DialogTemplate dialogTemplate, description::WizardDescription& description,
               const symbol::SymbolModel* model, const platform::Dialog* parent)
    : SymbolPreviewPage(std::move(dialogTemplate), parent, model), description_(description) {}

void RsPage::RefreshPreview() {
  if (!HasPanel()) return;
  BuildRsSymbol();
  RepaintPanel();
}

void RsPage::ShowMessage(std::string_view text, std::string_view caption) const {
  platform::Ui().MessageBox(Window(), text, caption);
}

}  // namespace rswizard
