// The Reed-Solomon wizard: the generic wizard with the three pages of the block, the reading of
// its settings from an existing description and the emission of the configured block at the
// end of the run.
#pragma once

#include <string>

#include "description/wizard_description.h"
#include "host/wizard_app.h"
#include "symbol/symbol_model.h"

namespace rswizard {

inline constexpr const char* kRsWizardTitle = "RS CODEC - 1.00";

class RsWizardApp : public host::WizardApp {
 public:
  // Both are borrowed for the life of the application object; the description writes the
  // symbol's lines after its own.
  RsWizardApp(symbol::SymbolModel& symbol, description::WizardDescription& description);

  // The block's pages, then the summary page, then the generic set-up (which reads an existing
  // description through LoadSettings), then the symbol of the settings now in force. False when
  // the generic set-up refuses the design name or the description file.
  bool SetUpPages() override;
  // The nine settings from the privates and constants, each with its read default when the key
  // is missing, then brought into range (rsblock::BringIntoRange).
  void LoadSettings() override;
  // The configured block into the stores: privates, constants, ports with their connections,
  // the generated memory and vector files and the final symbol.
  void StoreSettings() override;

  // The design base name fitted to maxWidth pixels in that font.
  std::string FitDesignName(int maxWidth, int pointSize, const std::string& fontName) const;

  symbol::SymbolModel& Symbol() { return symbol_; }

 protected:
  // Adds the codec type page, the parameter page and the generated files page, in this order.
  virtual void AddRsPages();

 private:
  symbol::SymbolModel& symbol_;
};

// The running Reed-Solomon wizard, or null when the current application object is none.
RsWizardApp* CurrentRsApp();

// The process-wide symbol and description of the real program.
symbol::SymbolModel& ProcessSymbolModel();
description::WizardDescription& ProcessDescription();

}  // namespace rswizard
