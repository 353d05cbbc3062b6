#include "hdl/top_module.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "hdl/decoder_timing.h"
#include "hdl/verilog_text.h"
#include "platform/text_format.h"

namespace hdl {

namespace {

using platform::Format;

// The core's port each block port drives or is driven by.
const char* CorePortOf(const std::string& port) {
  static const std::vector<std::pair<std::string, const char*>> kRenamed = {
      {"sysclk", "clk"}, {"rsin", "din"}, {"rsout", "dout"}};
  for (const auto& [blockPort, corePort] : kRenamed)
    if (blockPort == port) return corePort;
  return port.c_str();
}

std::string Parameters(const BlockDescription& block, const DecoderTables& tables) {
  std::string text = Format("    .M(%d), .N(%d), .R(%d), .IRRPOL(%d)", block.m, block.n,
                            block.check, block.irrpol);
  const std::string indent(6, ' ');
  if (!block.IsDecoder()) {
    // GG entry i - 1 holds gg_i; gg0 = 1 is implied.
    const std::vector<int> gg(block.gg.begin() + 1, block.gg.end());
    return text + ",\n    .GG(" + FlatConstant(gg, block.m, indent) + ")";
  }
  const DecoderTiming timing = DecoderTimingOf(block);
  text += Format(", .GENSTART(%d),\n    .DISCRETE(%d), .SOLVER(%d), .MULS(%d), .NUMERR_W(%d),\n",
                 block.genstart, block.kind == BlockKind::kDiscreteDecoder ? 1 : 0,
                 timing.solver == SolverKind::kFolded ? 1 : 0, std::max(1, timing.multipliers),
                 block.numerrWidth);
  // The search folds the first root's power into its evaluator steps: only the inverses are
  // a table in the core.
  return text + "    .INV_ROM(" + FlatConstant(tables.inverse, block.m, indent) + ")";
}

}  // namespace

const char* CoreTopFile(const BlockDescription& block) {
  return block.IsDecoder() ? "rs_decoder.v" : "rs_encoder.v";
}

const char* CoreModule(const BlockDescription& block) {
  return block.IsDecoder() ? "rs_decoder" : "rs_encoder";
}

std::string TopModule(const BlockDescription& block, const DecoderTables& tables,
                      const std::string& name, const std::string& prefix) {
  std::string text = "module " + name + " (\n";
  std::string connections;
  for (std::size_t i = 0; i < block.ports.size(); ++i) {
    const BlockPort& port = block.ports[i];
    const bool last = i + 1 == block.ports.size();
    text += std::string("  ") + (port.output ? "output " : "input ") + BusRange(port) + port.name +
            (last ? "\n" : ",\n");
    connections +=
        Format("    .%s(%s)%s", CorePortOf(port.name), port.name.c_str(), last ? "\n" : ",\n");
  }
  text += ");\n\n  " + prefix + CoreModule(block) + " #(\n" + Parameters(block, tables) +
          "\n  ) core (\n" + connections + "  );\n\nendmodule\n";
  return text;
}

}  // namespace hdl
