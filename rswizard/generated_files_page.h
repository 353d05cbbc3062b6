// The third page (template 110): the files subsystem 5 will write next to the design at Finish,
// and the switch for the simulation vector file. The names are worked out from the design name
// and the settings each time the page is shown, so they follow any change made on the pages
// before it.
//
// Control ids:
//   1100  "Generate Vector Files"                             check box
//   1101  "The following vector file will be generated :"     label
//   1102  vector file name         read-only text field, label "Vector file"
//   1103  "The following memory files will be generated :"    label
//   1104  inverse table file name  read-only text field, label "Inverse table file"
//   1105  evnum table file name    read-only text field, label "Evnum table file"
#pragma once

#include <string>

#include "description/wizard_description.h"
#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "rsblock/rs_settings.h"
#include "rswizard/rs_page.h"
#include "symbol/symbol_model.h"

namespace rswizard {

inline constexpr int kGeneratedFilesTemplate = 110;
inline constexpr int kVectorFileCheck = 1100;
inline constexpr int kVectorFileLabel = 1101;
inline constexpr int kVectorFileName = 1102;
inline constexpr int kMemoryFilesLabel = 1103;
inline constexpr int kInverseFileName = 1104;
inline constexpr int kEvnumFileName = 1105;

const platform::DialogTemplate& GeneratedFilesTemplate();

// The names the files are written under: the vector file after the design, the memory tables
// after the field and the first root, all in the design's directory.
std::string VectorFileName(const std::string& directory, const std::string& baseName);
std::string InverseTableFileName(const std::string& directory, const rsblock::RsSettings& settings);
std::string EvnumTableFileName(const std::string& directory, const rsblock::RsSettings& settings);

class GeneratedFilesPage : public RsPage {
 public:
  GeneratedFilesPage(description::WizardDescription& description, const symbol::SymbolModel* model,
                     const platform::Dialog* parent = nullptr);

  void OnInitDialog(platform::Dialog& dialog) override;
  void OnClicked(platform::Dialog& dialog, int id) override;

  // The check box and the vector file's label and name brought into line with the setting.
  void RefreshVectorFileControls();
};

}  // namespace rswizard
