#include <memory>

#include "rswizard/codec_type_page.h"
#include "rswizard/generated_files_page.h"
#include "rswizard/parameter_page.h"
#include "rswizard/rs_pages.h"

namespace rswizard {

void AddRsPagesTo(host::WizardApp& app, description::WizardDescription& description,
                  const symbol::SymbolModel* model) {
  app.AddPage(std::make_unique<CodecTypePage>(description, model));
  app.AddPage(std::make_unique<ParameterPage>(description, model));
  app.AddPage(std::make_unique<GeneratedFilesPage>(description, model));
}

}  // namespace rswizard
