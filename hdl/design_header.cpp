#include "hdl/design_header.h"

#include <algorithm>

#include "hdl/block_summary.h"
#include "platform/text_format.h"

namespace hdl {

using platform::AppendFormat;

std::string DesignHeaderComment(const BlockDescription& block, const std::string& name) {
  const BlockSummary summary = SummaryOf(block);
  std::string text;
  AppendFormat(text, "//\n// %s: Reed-Solomon %s, (n, k) = (%d, %d) over GF(2^%d)\n", name.c_str(),
               summary.variant.c_str(), block.n, summary.k, block.m);
  AppendFormat(text, "//   m = %d bits per symbol, n = %d, k = %d, r = %d, t = %d\n", block.m,
               block.n, summary.k, block.check, summary.t);
  AppendFormat(text, "//   field polynomial %d (%s), first root a^%d\n", block.irrpol,
               PolynomialText(block.irrpol).c_str(), block.genstart);
  if (!summary.solver.empty())
    AppendFormat(text, "//   key-equation solver: %s\n", summary.solver.c_str());

  text += "//\n// Ports (buses [W:1], bit W the highest):\n";
  std::size_t nameWidth = 0;
  for (const PortSummary& port : summary.ports) nameWidth = std::max(nameWidth, port.name.size());
  for (const PortSummary& port : summary.ports) {
    const std::string range = port.width > 0 ? platform::Format("[%d:1]", port.width) : "";
    AppendFormat(text, "//   %-6s %-6s %-*s  %s\n", port.output ? "output" : "input", range.c_str(),
                 static_cast<int>(nameWidth), port.name.c_str(), port.meaning.c_str());
  }

  text += "//\n// Clocks for this code (rising edges of sysclk):\n";
  std::size_t clockWidth = 0;
  for (const ClockSummary& clock : summary.clocks)
    clockWidth = std::max(clockWidth, clock.name.size());
  for (const ClockSummary& clock : summary.clocks)
    AppendFormat(text, "//   %-*s %5d  %s\n", static_cast<int>(clockWidth), clock.name.c_str(),
                 clock.clocks, clock.counts.c_str());
  if (!summary.memories.empty()) {
    text += "//\n// Memories (simple dual-port, block or LUT RAM after synthesis):\n";
    for (const MemorySummary& memory : summary.memories)
      AppendFormat(text, "//   %d x %d bits  %s\n", memory.depth, memory.width,
                   memory.name.c_str());
  }
  AppendFormat(text,
               "//\n// The datasheet %s.html beside this file shows the timing and the error "
               "rates;\n// the full documentation is %s (docs/hdl.md in the source tree).\n//\n",
               name.c_str(), kInstalledHdlGuide);
  return text;
}

}  // namespace hdl
