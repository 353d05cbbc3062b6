#include "hdl/block_summary.h"

#include "hdl/decoder_timing.h"
#include "hdl/encoder_timing.h"
#include "platform/text_format.h"
#include "rsblock/port_meanings.h"
#include "rsmath/galois_field.h"
#include "rsmath/log_tables.h"
#include "rsmath/rs_generator.h"

namespace hdl {

namespace {

using platform::Format;

rsblock::BlockRole RoleOf(const BlockDescription& block) {
  switch (block.kind) {
    case BlockKind::kEncoder:
      return rsblock::BlockRole::kEncoder;
    case BlockKind::kStreamingDecoder:
      return rsblock::BlockRole::kStreamingDecoder;
    case BlockKind::kDiscreteDecoder:
      break;
  }
  return rsblock::BlockRole::kDiscreteDecoder;
}

std::vector<int> GeneratorOf(const BlockDescription& block) {
  if (!block.gg.empty()) return block.gg;
  const rsmath::GaloisField field{block.m, block.n, block.irrpol, block.check, block.genstart};
  const rsmath::LogTables* tables = rsmath::LogTables::Of(block.m, block.irrpol);
  if (tables == nullptr) return {};
  std::vector<int32_t> roots, g(static_cast<std::size_t>(block.check + 1), 0);
  for (int j = 0; j < block.check; ++j) roots.push_back(tables->Power(block.genstart + j));
  g[0] = 1;
  rsmath::MultiplyByRoots(rsmath::FieldProduct(field), roots, g, 0);
  return {g.begin(), g.end()};
}

void AddClocks(const BlockDescription& block, BlockSummary& summary) {
  if (!block.IsDecoder()) {
    summary.clocks = {
        {"latency", kEncoderLatency, "enabled edge taking a symbol to the edge showing it"},
        {"word spacing", block.n, "enabled edges from one codeword's first symbol to the next"},
    };
    return;
  }
  const DecoderTiming timing = DecoderTimingOf(block);
  const bool streaming = block.kind == BlockKind::kStreamingDecoder;
  if (streaming)
    summary.clocks.push_back({"latency", timing.LatencyFromFirst(block.n),
                              "edges from a word's first symbol taken to its first symbol out"});
  summary.clocks.push_back({streaming ? "latency from last" : "latency", timing.outputLatency,
                            "edges from a word's last symbol taken to its first symbol out"});
  // rdyin is 1 again after the guard: a streaming word may start wordSpacing edges after the one
  // before, a discrete word's first symbol comes one guard edge later than that at the least.
  summary.clocks.push_back({"word spacing", block.n + timing.inputGuard,
                            "edges from one word's first symbol to the next one's, at the least"});
  summary.clocks.push_back({"rdyin guard", timing.inputGuard,
                            "edges after a word's last symbol on which rdyin stays 0"});
  summary.clocks.push_back(
      {"solver", timing.solverLatency, "edges the key-equation solver takes for one word"});
  summary.memories = {
      {"received symbols (with the bypass bit)", timing.receivedWords, block.m + 1},
      {"error values (two pages, a value a position)", timing.errorWords, timing.errorWordBits},
  };
}

}  // namespace

BlockSummary SummaryOf(const BlockDescription& block) {
  BlockSummary summary;
  const char* kind = block.kind == BlockKind::kEncoder           ? "encoder"
                     : block.kind == BlockKind::kDiscreteDecoder ? "discrete decoder"
                                                                 : "streaming decoder";
  summary.variant = std::string(block.IsDecoder() ? (block.full ? "full " : "half ") : "") + kind;
  if (block.IsDecoder()) summary.solver = SolverChoice(block);
  summary.k = block.n - block.check;
  summary.t = block.Corrects();
  summary.generator = GeneratorOf(block);
  const rsblock::BlockRole role = RoleOf(block);
  for (const BlockPort& port : block.ports)
    summary.ports.push_back(
        {port.name, port.output, port.width, std::string(rsblock::PortMeaning(port.name, role))});
  AddClocks(block, summary);
  return summary;
}

std::string PolynomialText(int bits) {
  std::string text;
  for (int power = 30; power >= 0; --power) {
    if (((bits >> power) & 1) == 0) continue;
    if (!text.empty()) text += " + ";
    text += power == 0 ? std::string("1") : power == 1 ? std::string("x") : Format("x^%d", power);
  }
  return text.empty() ? "0" : text;
}

}  // namespace hdl
