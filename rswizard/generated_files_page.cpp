#include "rswizard/generated_files_page.h"
#include "rswizard/process_settings.h"

#include "host/process_state.h"
#include "rsmath/memory_table_names.h"

namespace rswizard {

using platform::ControlKind;
using platform::MakeControl;

namespace {

platform::TemplateControl NameField(int id, const char* label, int y, int height) {
  platform::TemplateControl field = MakeControl(ControlKind::Edit, id, "", 20, y, 210, height);
  field.label = label;
  return field;
}

platform::DialogTemplate BuildGeneratedFilesTemplate() {
  platform::DialogTemplate t;
  t.number = kGeneratedFilesTemplate;
  t.width = 238;
  t.height = 132;
  t.controls = {
      // Wider than the 81 units the text needs in the dialog font, so that it is not cut in
      // the wider fonts other toolkits draw check boxes with.
      MakeControl(ControlKind::CheckBox, kVectorFileCheck, "Generate Vector Files", 10, 10, 110,
                  10),
      MakeControl(ControlKind::Label, kVectorFileLabel,
                  "The following vector file will be generated :", 15, 25, 170, 8),
      NameField(kVectorFileName, "Vector file", 35, 10),
      MakeControl(ControlKind::Label, kMemoryFilesLabel,
                  "The following memory files will be generated :", 15, 60, 164, 8),
      NameField(kInverseFileName, "Inverse table file", 70, 12),
      NameField(kEvnumFileName, "Evnum table file", 85, 12),
  };
  return t;
}

}  // namespace

const platform::DialogTemplate& GeneratedFilesTemplate() {
  static const platform::DialogTemplate t = BuildGeneratedFilesTemplate();
  return t;
}

std::string VectorFileName(const std::string& directory, const std::string& baseName) {
  return directory + baseName + ".vec";
}

std::string InverseTableFileName(const std::string& directory,
                                 const rsblock::RsSettings& settings) {
  return directory + rsmath::InverseTableName(settings.m, settings.irrpol);
}

std::string EvnumTableFileName(const std::string& directory, const rsblock::RsSettings& settings) {
  return directory + rsmath::EvnumTableName(settings.m, settings.irrpol, settings.genstart);
}

GeneratedFilesPage::GeneratedFilesPage(description::WizardDescription& description,
                                       const symbol::SymbolModel* model,
                                       const platform::Dialog* parent)
    : RsPage(GeneratedFilesTemplate(), description, model, parent) {}

void GeneratedFilesPage::OnInitDialog(platform::Dialog& dialog) {
  RsPage::OnInitDialog(dialog);
  const host::ProcessState& state = host::State();
  const rsblock::RsSettings& s = Settings();

  dialog.SetReadOnly(kVectorFileName, true);
  dialog.SetText(kVectorFileName, VectorFileName(state.designDirectory, state.designBaseName));

  const bool decoder = s.Enc_Dec == 0;
  dialog.Enable(kMemoryFilesLabel, decoder);
  dialog.SetReadOnly(kInverseFileName, true);
  dialog.SetReadOnly(kEvnumFileName, true);
  // An encoder writes no memory tables: the fields stay, empty and greyed.
  dialog.SetText(kInverseFileName, decoder ? InverseTableFileName(state.designDirectory, s) : "");
  dialog.SetText(kEvnumFileName, decoder ? EvnumTableFileName(state.designDirectory, s) : "");
  dialog.Enable(kInverseFileName, decoder);
  dialog.Enable(kEvnumFileName, decoder);

  RefreshVectorFileControls();
}

void GeneratedFilesPage::OnClicked(platform::Dialog& dialog, int id) {
  if (id != kVectorFileCheck) {
    RsPage::OnClicked(dialog, id);
    return;
  }
  rsblock::RsSettings& s = Settings();
  s.generate_vectorfile = s.generate_vectorfile == 1 ? 0 : 1;
  RefreshVectorFileControls();
}

void GeneratedFilesPage::RefreshVectorFileControls() {
  platform::Dialog* d = Window();
  if (!d) return;
  const int generate = Settings().generate_vectorfile;
  d->Enable(kVectorFileCheck, true);
  d->SetMarked(kVectorFileCheck, generate == 1);
  d->Enable(kVectorFileLabel, generate != 0);
  d->Enable(kVectorFileName, generate != 0);
}

}  // namespace rswizard
