#include "rswizard/rs_wizard_app.h"

#include "host/process_state.h"
#include "platform/text_format.h"
#include "rsblock/block_ports.h"
#include "rsblock/description_keys.h"
#include "rsblock/settings_range.h"
#include "rsmath/galois_field.h"
#include "rsmath/memory_table_names.h"
#include "rsmath/rs_vector_writer.h"
#include "rswizard/process_settings.h"
#include "rswizard/rs_pages.h"
#include "rswizard/rs_symbol.h"

namespace rswizard {

namespace {

constexpr const char* kNoDefault = "NODEFVAL";

const char* SpeedText(const rsblock::RsSettings& s) {
  return s.Fast_Small == 1 ? rsblock::kFullSpeed : rsblock::kHalfSpeed;
}

// Each port with its connection; a bus counts its bits from 1.
void AddPorts(description::WizardDescription& d, const rsblock::RsSettings& s) {
  for (const rsblock::RsPort& port : rsblock::kRsPorts) {
    if (!rsblock::HasPort(port, s)) continue;
    const bool bus = port.width != rsblock::PortWidth::Wire;
    d.AddUsedPort(port.name, rsblock::PortBits(port, s),
                  port.output ? description::kOutput : description::kInput, bus ? 1 : 0,
                  kNoDefault);
  }
}

}  // namespace

RsWizardApp::RsWizardApp(symbol::SymbolModel& symbol, description::WizardDescription& description)
    : WizardApp(kRsWizardTitle, &symbol, description), symbol_(symbol) {}

void RsWizardApp::AddRsPages() {
  AddRsPagesTo(*this, Description(), &symbol_);
}

bool RsWizardApp::SetUpPages() {
  AddRsPages();
  AddSummaryPage();
  const bool started = WizardApp::SetUpPages();
  BuildRsSymbol(symbol_, Settings(), host::State().designBaseName);
  return started;
}

void RsWizardApp::LoadSettings() {
  const description::WizardDescription& d = Description();
  const rsblock::RsSettings& defaults = rsblock::kReadDefaults;
  rsblock::RsSettings& s = Settings();
  s.Enc_Dec = d.privates.LookupInt(rsblock::kEncoderOrDecoderKey, defaults.Enc_Dec);
  s.Disc_Stream = d.privates.LookupInt(rsblock::kDiscreteOrStreamingKey, defaults.Disc_Stream);
  s.Fast_Small = d.privates.LookupInt(rsblock::kFullOrHalfKey, defaults.Fast_Small);
  s.m = d.constants.LookupInt(rsblock::kBitsPerSymbolKey, defaults.m);
  s.n = d.constants.LookupInt(rsblock::kCodewordLengthKey, defaults.n);
  s.check = d.constants.LookupInt(rsblock::kCheckSymbolsKey, defaults.check);
  s.irrpol = d.constants.LookupInt(rsblock::kFieldPolynomialKey, defaults.irrpol);
  // The constant genstart is written for the block only; the private carries the setting.
  s.genstart = d.privates.LookupInt(rsblock::kFirstRootSettingKey, defaults.genstart);
  s.generate_vectorfile =
      d.privates.LookupInt(rsblock::kVectorFileKey, defaults.generate_vectorfile);
  // A hand-edited description may hold anything; the pages and the field arithmetic index
  // fixed tables with these values.
  rsblock::BringIntoRange(s);
}

void RsWizardApp::StoreSettings() {
  description::WizardDescription& d = Description();
  const rsblock::RsSettings& s = Settings();
  const host::ProcessState& state = host::State();

  d.ClearStores();
  d.AddPrivate(rsblock::kEncoderOrDecoderKey, s.Enc_Dec);
  if (s.Enc_Dec == 0) {
    d.AddPrivate(rsblock::kDiscreteOrStreamingKey, s.Disc_Stream);
    d.AddPrivate(rsblock::kFullOrHalfKey, s.Fast_Small);
    d.AddConstant(rsblock::kSpeedKey, SpeedText(s));
  }
  d.AddConstant(rsblock::kBitsPerSymbolKey, s.m);
  d.AddConstant(rsblock::kCodewordLengthKey, s.n);
  d.AddConstant(rsblock::kCheckSymbolsKey, s.check);
  d.AddConstant(rsblock::kFieldPolynomialKey, s.irrpol);
  d.AddConstant(rsblock::kFirstRootKey, s.genstart);
  d.AddPrivate(rsblock::kFirstRootSettingKey, s.genstart);
  d.AddPrivate(rsblock::kVectorFileKey, s.generate_vectorfile);

  const rsmath::GaloisField field{s.m, s.n, s.irrpol, s.check, s.genstart};
  field.BuildPowerTable();
  field.BuildGeneratorPoly();

  rsmath::RsVectorWriter writer;
  writer.m = s.m;
  writer.n = s.n;
  writer.irrpol = s.irrpol;
  writer.check = s.check;
  writer.genstart = s.genstart;
  writer.Enc_Dec = s.Enc_Dec;
  writer.Disc_Stream = s.Disc_Stream;
  writer.Fast_Small = s.Fast_Small;
  writer.generate_vectorfile = s.generate_vectorfile;
  writer.designDirectory = state.designDirectory;
  writer.designBaseName = state.designBaseName;

  const rsmath::RsTables& tables = rsmath::Tables();
  if (s.Enc_Dec == 1) {
    writer.WriteEncoderFiles();
    for (int i = 0; i < rsblock::kGeneratorConstants; ++i)
      d.AddConstant(platform::Format(rsblock::kGeneratorCoefficientKey, i),
                    tables.generatorPoly.at(static_cast<std::size_t>(i)));
  }

  AddPorts(d, s);

  if (s.Enc_Dec == 0) {
    d.AddConstant(rsblock::kInverseTableKey, rsmath::InverseTableName(s.m, s.irrpol));
    d.AddConstant(rsblock::kEvnumTableKey, rsmath::EvnumTableName(s.m, s.irrpol, s.genstart));
    d.AddConstant(rsblock::kNumerrWidthKey, rsmath::numerrWidth(s.check));
    writer.WriteDecoderFiles();
    for (int j = 1; j <= rsblock::kRootConstants; ++j)
      d.AddConstant(platform::Format(rsblock::kRootKey, j),
                    tables.rootTable.at(static_cast<std::size_t>(j - 1)));
    for (int k = 0; k < rsblock::kNegRootConstants; ++k)
      d.AddConstant(platform::Format(rsblock::kNegRootKey, k),
                    tables.negRootTable.at(static_cast<std::size_t>(k)));
  }

  BuildRsSymbol(symbol_, s, state.designBaseName);
}

std::string RsWizardApp::FitDesignName(int maxWidth, int pointSize,
                                       const std::string& fontName) const {
  return rswizard::FitDesignName(DesignBaseName(), maxWidth, pointSize, fontName);
}

RsWizardApp* CurrentRsApp() {
  return dynamic_cast<RsWizardApp*>(host::CurrentApp());
}

symbol::SymbolModel& ProcessSymbolModel() {
  static symbol::SymbolModel model;
  return model;
}

description::WizardDescription& ProcessDescription() {
  static description::WizardDescription description;
  return description;
}

}  // namespace rswizard
