#include "hdl/block_description.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "description/description_format.h"
#include "description/wizard_description.h"
#include "hdl/refusal.h"
#include "platform/line_splitter.h"
#include "platform/text_format.h"
#include "rsblock/block_ports.h"
#include "rsblock/description_keys.h"
#include "rsblock/module_names.h"
#include "rsblock/rs_settings.h"
#include "rsblock/settings_range.h"
#include "rsmath/galois_field.h"
#include "rsmath/memory_table_names.h"
#include "rsmath/rs_vector_writer.h"

namespace hdl {

namespace {

using description::column::kValue;
using platform::Format;

class DescriptionReader {
 public:
  DescriptionReader(std::string_view text, const std::string& cnxName) : cnxName_(cnxName) {
    description::ReadDescription(stores_, text);
    module_ = ModuleName(text);
  }

  [[noreturn]] void Refuse(const std::string& why) const { throw Refusal(cnxName_ + ": " + why); }

  const std::string& Module() const { return module_; }

  std::string Text(const char* name) const {
    const description::DescriptionEntry* row = stores_.constants.Find(name);
    if (!row)
      Refuse(Format("the constant %s is missing: not a description the wizard wrote", name));
    return (*row)[kValue];
  }

  // Only plain decimal numbers: the wizard writes nothing else, and a hand edit such as "12abc"
  // must not pass for 12.
  int Number(const char* name) const {
    const std::string text = Text(name);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
      Refuse(Format("the constant %s is \"%s\", not a number", name, text.c_str()));
    return value;
  }

  const description::ValueTable& Ports() const { return stores_.usedPorts; }
  bool HasConstant(const std::string& name) const {
    return stores_.constants.Find(name) != nullptr;
  }

 private:
  // The first MODULE line names the module; the description reader skips it.
  static std::string ModuleName(std::string_view text) {
    platform::LineSplitter lines(text);
    while (const std::optional<std::string_view> line = lines.Next()) {
      description::FieldSplitter fields(*line);
      if (fields.Next() == std::optional<std::string_view>("MODULE:")) {
        const std::optional<std::string_view> name = fields.Next();
        return name ? std::string(*name) : std::string();
      }
    }
    return std::string();
  }

  const std::string& cnxName_;
  description::WizardDescription stores_;
  std::string module_;
};

BlockKind KindOfModule(const DescriptionReader& reader) {
  const std::string& module = reader.Module();
  if (module == rsblock::kEncoderModule) return BlockKind::kEncoder;
  if (module == rsblock::kDiscreteDecoderModule) return BlockKind::kDiscreteDecoder;
  if (module == rsblock::kStreamingDecoderModule) return BlockKind::kStreamingDecoder;
  reader.Refuse(Format("module \"%s\" is not one of the wizard's (%s, %s, %s)", module.c_str(),
                       rsblock::kEncoderModule, rsblock::kDiscreteDecoderModule,
                       rsblock::kStreamingDecoderModule));
}

// The wizard keeps every value within the ranges of its pages; a description outside them was
// edited by hand, and the wizard itself would read it as BringIntoRange does.
void CheckRanges(const DescriptionReader& reader, const BlockDescription& block) {
  rsblock::RsSettings settings{block.m, block.n, block.check, block.irrpol, block.genstart, 1, 0,
                               0,       1};
  if (rsblock::IsInRange(settings)) return;
  rsblock::RsSettings mended = settings;
  rsblock::BringIntoRange(mended);
  std::string values;
  const auto note = [&values](const char* name, int value, int readAs) {
    if (value == readAs) return;
    if (!values.empty()) values += ", ";
    values += Format("%s = %d (the wizard would read %d)", name, value, readAs);
  };
  note(rsblock::kBitsPerSymbolKey, settings.m, mended.m);
  note(rsblock::kFieldPolynomialKey, settings.irrpol, mended.irrpol);
  note(rsblock::kCodewordLengthKey, settings.n, mended.n);
  note(rsblock::kCheckSymbolsKey, settings.check, mended.check);
  note(rsblock::kFirstRootKey, settings.genstart, mended.genstart);
  reader.Refuse("out of the wizard's ranges: " + values);
}

void ReadGenerator(const DescriptionReader& reader, BlockDescription& block) {
  rsmath::GaloisField field{block.m, block.n, block.irrpol, block.check, block.genstart};
  field.BuildPowerTable();
  field.BuildGeneratorPoly();
  const auto& expected = rsmath::Tables().generatorPoly;
  for (int i = 0; i < rsblock::kGeneratorConstants; ++i) {
    const std::string name = Format(rsblock::kGeneratorCoefficientKey, i);
    // The wizard writes all 51; those past r must be 0 when present.
    if (i > block.check && !reader.HasConstant(name)) continue;
    const int value = reader.Number(name.c_str());
    const int want = i <= block.check ? expected[static_cast<std::size_t>(i)] : 0;
    if (value != want)
      reader.Refuse(
          Format("%s = %d disagrees with the generator polynomial of m = %d, irrpol = %d, "
                 "check = %d, genstart = %d (it is %d)",
                 name.c_str(), value, block.m, block.irrpol, block.check, block.genstart, want));
    if (i <= block.check) block.gg.push_back(value);
  }
}

void ReadDecoderConstants(const DescriptionReader& reader, BlockDescription& block) {
  using namespace rsblock;
  const std::string speed = reader.Text(kSpeedKey);
  if (speed != kFullSpeed && speed != kHalfSpeed)
    reader.Refuse(Format("the constant %s is \"%s\", not %s or %s", kSpeedKey, speed.c_str(),
                         kFullSpeed, kHalfSpeed));
  block.full = speed == kFullSpeed;
  block.numerrWidth = reader.Number(kNumerrWidthKey);
  if (block.numerrWidth != rsmath::numerrWidth(block.check))
    reader.Refuse(Format("%s = %d disagrees with %s = %d (numerr has %d bits)", kNumerrWidthKey,
                         block.numerrWidth, kCheckSymbolsKey, block.check,
                         rsmath::numerrWidth(block.check)));
  block.invFile = reader.Text(kInverseTableKey);
  block.evnumFile = reader.Text(kEvnumTableKey);
  const std::string inv = rsmath::InverseTableName(block.m, block.irrpol);
  const std::string evnum = rsmath::EvnumTableName(block.m, block.irrpol, block.genstart);
  if (block.invFile != inv)
    reader.Refuse(Format("%s is \"%s\"; the wizard names this table %s", kInverseTableKey,
                         block.invFile.c_str(), inv.c_str()));
  if (block.evnumFile != evnum)
    reader.Refuse(Format("%s is \"%s\"; the wizard names this table %s", kEvnumTableKey,
                         block.evnumFile.c_str(), evnum.c_str()));
}

// The ports the wizard gives the block, in its order.
std::vector<BlockPort> WizardPorts(const BlockDescription& block) {
  rsblock::RsSettings settings;
  settings.m = block.m;
  settings.check = block.check;
  settings.Enc_Dec = block.IsDecoder() ? 0 : 1;
  std::vector<BlockPort> ports;
  for (const rsblock::RsPort& port : rsblock::kRsPorts)
    if (rsblock::HasPort(port, settings))
      ports.push_back({port.name, rsblock::PortBits(port, settings), port.output});
  return ports;
}

void ReadPorts(const DescriptionReader& reader, BlockDescription& block) {
  using namespace description::column;
  std::vector<BlockPort> expected = WizardPorts(block);
  for (std::size_t i = 0; const description::DescriptionEntry* row = reader.Ports().EntryAt(i);
       ++i) {
    const std::string& name = (*row)[kPortName];
    auto match = std::find_if(expected.begin(), expected.end(),
                              [&name](const BlockPort& port) { return port.name == name; });
    if (match == expected.end())
      reader.Refuse(
          Format("the port %s is not a port of this block, or is listed twice", name.c_str()));
    const std::string direction = match->output ? "OUTPUT" : "INPUT";
    const std::string width = Format("%d", match->width);
    const std::string lsb = match->width ? "1" : "0";
    if ((*row)[kPortDirection] != direction || (*row)[kPortWidth] != width ||
        (*row)[kPortLsb] != lsb)
      reader.Refuse(Format("the port %s should be %s with width %s and lowest bit %s", name.c_str(),
                           direction.c_str(), width.c_str(), lsb.c_str()));
    block.ports.push_back(*match);
    expected.erase(match);
  }
  if (!expected.empty())
    reader.Refuse(Format("the port %s is missing", expected.front().name.c_str()));
}

}  // namespace

BlockDescription ReadBlockDescription(std::string_view text, const std::string& cnxName) {
  const DescriptionReader reader(text, cnxName);
  BlockDescription block;
  block.kind = KindOfModule(reader);
  block.m = reader.Number(rsblock::kBitsPerSymbolKey);
  block.n = reader.Number(rsblock::kCodewordLengthKey);
  block.check = reader.Number(rsblock::kCheckSymbolsKey);
  block.irrpol = reader.Number(rsblock::kFieldPolynomialKey);
  block.genstart = reader.Number(rsblock::kFirstRootKey);
  CheckRanges(reader, block);
  if (block.IsDecoder())
    ReadDecoderConstants(reader, block);
  else
    ReadGenerator(reader, block);
  ReadPorts(reader, block);
  return block;
}

}  // namespace hdl
