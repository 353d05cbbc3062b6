// The pages of the Reed-Solomon block, added to a wizard in the order the user meets them:
// codec type, parameters, generated files.
#pragma once

#include "description/wizard_description.h"
#include "host/wizard_app.h"
#include "symbol/symbol_model.h"

namespace rswizard {

// Every page shows `model` in its preview (none when null) and names the module in
// `description`.
void AddRsPagesTo(host::WizardApp& app, description::WizardDescription& description,
                  const symbol::SymbolModel* model);

}  // namespace rswizard
