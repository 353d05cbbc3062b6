#include "rswizard/rs_wizard_app.h"

#include "host/process_state.h"
#include "platform/text_format.h"
#include "rsmath/galois_field.h"
#include "rsmath/memory_table_names.h"
#include "rsmath/rs_vector_writer.h"
#include "rswizard/rs_pages.h"
#include "rswizard/rs_ports.h"
#include "rswizard/rs_settings.h"
#include "rswizard/rs_settings_range.h"
#include "rswizard/rs_symbol.h"

namespace rswizard {

namespace {

constexpr const char* kNoDefault = "NODEFVAL";
constexpr int kGeneratorConstants = 51;
constexpr int kRootConstants = 50;
constexpr int kNegRootConstants = 26;

const char* SpeedText(const RsSettings& s) {
  return s.Fast_Small == 1 ? "full" : "half";
}

// Each port with its connection; a bus counts its bits from 1.
void AddPorts(description::WizardDescription& d, const RsSettings& s) {
  for (const RsPort& port : kRsPorts) {
    if (!HasPort(port, s)) continue;
    const bool bus = port.width != PortWidth::Wire;
    d.AddUsedPort(port.name, PortBits(port, s),
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
  const RsSettings& defaults = kReadDefaults;
  RsSettings& s = Settings();
  s.Enc_Dec = d.privates.LookupInt("Enc_Dec", defaults.Enc_Dec);
  s.Disc_Stream = d.privates.LookupInt("Disc_Stream", defaults.Disc_Stream);
  s.Fast_Small = d.privates.LookupInt("Fast_Small", defaults.Fast_Small);
  s.m = d.constants.LookupInt("m", defaults.m);
  s.n = d.constants.LookupInt("n", defaults.n);
  s.check = d.constants.LookupInt("check", defaults.check);
  s.irrpol = d.constants.LookupInt("irrpol", defaults.irrpol);
  // The constant "genstart" is written for the block only; the private carries the setting.
  s.genstart = d.privates.LookupInt("GENSTART_V", defaults.genstart);
  s.generate_vectorfile = d.privates.LookupInt("generate_vectorfile", defaults.generate_vectorfile);
  // A hand-edited description may hold anything; the pages and the field arithmetic index
  // fixed tables with these values.
  BringIntoRange(s);
}

void RsWizardApp::StoreSettings() {
  description::WizardDescription& d = Description();
  const RsSettings& s = Settings();
  const host::ProcessState& state = host::State();

  d.ClearStores();
  d.AddPrivate("Enc_Dec", s.Enc_Dec);
  if (s.Enc_Dec == 0) {
    d.AddPrivate("Disc_Stream", s.Disc_Stream);
    d.AddPrivate("Fast_Small", s.Fast_Small);
    d.AddConstant("speed", SpeedText(s));
  }
  d.AddConstant("m", s.m);
  d.AddConstant("n", s.n);
  d.AddConstant("check", s.check);
  d.AddConstant("irrpol", s.irrpol);
  d.AddConstant("genstart", s.genstart);
  d.AddPrivate("GENSTART_V", s.genstart);
  d.AddPrivate("generate_vectorfile", s.generate_vectorfile);

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
    for (int i = 0; i < kGeneratorConstants; ++i)
      d.AddConstant(platform::Format("gg%d", i),
                    tables.generatorPoly.at(static_cast<std::size_t>(i)));
  }

  AddPorts(d, s);

  if (s.Enc_Dec == 0) {
    d.AddConstant("inv_file", rsmath::InverseTableName(s.m, s.irrpol));
    d.AddConstant("evnum_file", rsmath::EvnumTableName(s.m, s.irrpol, s.genstart));
    d.AddConstant("wide", rsmath::numerrWidth(s.check));
    writer.WriteDecoderFiles();
    for (int j = 1; j <= kRootConstants; ++j)
      d.AddConstant(platform::Format("root%d", j),
                    tables.rootTable.at(static_cast<std::size_t>(j - 1)));
    for (int k = 0; k < kNegRootConstants; ++k)
      d.AddConstant(platform::Format("negroot%d", k),
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
