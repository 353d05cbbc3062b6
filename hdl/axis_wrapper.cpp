#include "hdl/axis_wrapper.h"

#include <map>

#include "hdl/axis_buffers.h"
#include "hdl/marked_files.h"
#include "hdl/rtl_assembly.h"
#include "hdl/top_module.h"
#include "platform/text_format.h"

namespace hdl {

namespace {

using platform::Format;

std::string FifoLine(const char* which, const AxisFifo& fifo) {
  return Format("//   %s FIFO: %d x %d bits, one simple dual-port memory (block RAM or LUT RAM)\n",
                which, fifo.depth, fifo.bits);
}

std::string HeaderComment(const BlockDescription& block, const AxisWrapperNames& names) {
  const AxisBuffers buffers = AxisBuffersOf(block);
  const std::string& name = names.design;
  std::string text = HeaderLine(CommentStyle::kVerilog, names.cnxName);
  text += "// " + name + "_axis: the block " + name + " of " + name +
          ".v behind AXI4-Stream ports; the block is the\n// Reed-Solomon " + names.blockSummary +
          ".\n// Compile it with " + name +
          ".v. The modules after the top one are the wrapper's, renamed with " + name + "_.\n//\n";
  const int k = block.n - block.check;
  if (block.IsDecoder())
    text += Format(
        "// Packets, framed by count: s_axis takes the n = %d received symbols of a word, highest\n"
        "// power first, s_axis_tuser = bypass read with the first of them; m_axis gives the %d\n"
        "// decoded symbols in the same order, tlast on the last, m_axis_tuser = {decfail,\n"
        "// numerr} the same on all of them.\n",
        block.n, block.n);
  else
    text += Format(
        "// Packets, framed by count: s_axis takes the k = %d message symbols of a codeword,\n"
        "// highest power first; m_axis gives its n = %d symbols, the message and then the\n"
        "// check symbols, tlast on the last.\n",
        k, block.n);
  text += Format(
      "// A packet's tlast belongs on its beat %d; on any other beat, or missing there, it\n"
      "// raises event_tlast_unexpected or event_tlast_missing for one clock after the beat, and\n"
      "// nothing else changes. aresetn is synchronous, active low, and resets the block too.\n"
      "//\n"
      "// Rate: with s_axis_tvalid and m_axis_tready held 1, a word every %d clocks, the block's\n"
      "// own. s_axis_tready is 0 while the wrapper cannot take more.\n",
      block.IsDecoder() ? block.n : k, buffers.wordClocks);
  if (block.IsDecoder())
    text += Format(
        "// The block cannot hold its output back, so a word enters it only when the output FIFO\n"
        "// has room for all of it besides what the words before it still hold. m_axis can take\n"
        "// a word's first symbol %d edges after its first symbol entered the block, at the\n"
        "// earliest%s.\n",
        buffers.firstOut,
        block.kind == BlockKind::kStreamingDecoder
            ? "; a word enters only once all of it waits in the input FIFO"
            : "");
  else
    text += Format(
        "// The block moves (enable) only while the output FIFO has room for the symbol it makes\n"
        "// besides those on their way; m_axis can take a symbol %d edges after the block made\n"
        "// it, at the earliest.\n",
        buffers.firstOut);
  text += "// Buffers:\n";
  if (block.IsDecoder()) text += FifoLine("input", buffers.input);
  text += FifoLine("output", buffers.output);
  return text + "\n";
}

// The wires between the block and the wrapper module, named after the block's ports; the
// block's clock, reset and the inputs that stay constant are wired here.
std::string BlockInstance(const BlockDescription& block, const std::string& name) {
  static const std::map<std::string, std::string> kFixed = {
      {"sysclk", "aclk"}, {"reset", "reset"}, {"dsout", "1'b1"}, {"start", "1'b0"}};
  std::string text;
  std::string connections;
  for (const BlockPort& port : block.ports) {
    const auto fixed = kFixed.find(port.name);
    const std::string wire = fixed != kFixed.end() ? fixed->second : port.name;
    if (fixed == kFixed.end())
      text += port.width ? Format("  wire [%d:0] %s;\n", port.width - 1, port.name.c_str())
                         : "  wire " + port.name + ";\n";
    connections +=
        Format("%s    .%s(%s)", connections.empty() ? "" : ",\n", port.name.c_str(), wire.c_str());
  }
  return text + "\n  " + name + " block (\n" + connections + "\n  );\n\n";
}

std::string WrapperInstance(const BlockDescription& block, const std::string& prefix) {
  const AxisBuffers buffers = AxisBuffersOf(block);
  std::string text;
  if (block.IsDecoder())
    text = Format(
        "  %srs_axis_decoder #(\n"
        "    .M(%d), .N(%d), .NUMERR_W(%d), .DISCRETE(%d), .IN_AW(%d), .OUT_AW(%d)\n"
        "  ) wrapper (\n"
        "    .clk(aclk), .reset(reset),\n"
        "    .s_tdata(s_axis_tdata), .s_tvalid(s_axis_tvalid), .s_tready(s_axis_tready),\n"
        "    .s_tlast(s_axis_tlast), .s_tuser(s_axis_tuser),\n"
        "    .m_tdata(m_axis_tdata), .m_tvalid(m_axis_tvalid), .m_tready(m_axis_tready),\n"
        "    .m_tlast(m_axis_tlast), .m_tuser(m_axis_tuser),\n"
        "    .event_tlast_missing(event_tlast_missing),\n"
        "    .event_tlast_unexpected(event_tlast_unexpected),\n"
        "    .dsin(dsin), .bypass(bypass), .din(rsin), .rdyin(rdyin), .outvalid(outvalid),\n"
        "    .dout(rsout), .decfail(decfail), .numerr(numerr)\n"
        "  );\n",
        prefix.c_str(), block.m, block.n, block.numerrWidth,
        block.kind == BlockKind::kDiscreteDecoder ? 1 : 0, buffers.input.AddressBits(),
        buffers.output.AddressBits());
  else
    text = Format(
        "  %srs_axis_encoder #(.M(%d), .N(%d), .R(%d), .OUT_AW(%d)) wrapper (\n"
        "    .clk(aclk), .reset(reset),\n"
        "    .s_tdata(s_axis_tdata), .s_tvalid(s_axis_tvalid), .s_tready(s_axis_tready),\n"
        "    .s_tlast(s_axis_tlast),\n"
        "    .m_tdata(m_axis_tdata), .m_tvalid(m_axis_tvalid), .m_tready(m_axis_tready),\n"
        "    .m_tlast(m_axis_tlast),\n"
        "    .event_tlast_missing(event_tlast_missing),\n"
        "    .event_tlast_unexpected(event_tlast_unexpected),\n"
        "    .enable(enable), .din(rsin), .dout(rsout)\n"
        "  );\n",
        prefix.c_str(), block.m, block.n, block.check, buffers.output.AddressBits());
  return text;
}

std::string AxisModule(const BlockDescription& block, const std::string& name) {
  const int m = block.m;
  std::string text = "`default_nettype none\n\nmodule " + name + "_axis (\n";
  text += "  input wire aclk,\n  input wire aresetn,\n";
  text += Format("  input wire [%d:0] s_axis_tdata,\n", m - 1);
  text += "  input wire s_axis_tvalid,\n  output wire s_axis_tready,\n  input wire s_axis_tlast,\n";
  if (block.IsDecoder()) text += "  input wire s_axis_tuser,\n";
  text += Format("  output wire [%d:0] m_axis_tdata,\n", m - 1);
  text +=
      "  output wire m_axis_tvalid,\n  input wire m_axis_tready,\n  output wire m_axis_tlast,\n";
  if (block.IsDecoder()) text += Format("  output wire [%d:0] m_axis_tuser,\n", block.numerrWidth);
  text += "  output wire event_tlast_missing,\n  output wire event_tlast_unexpected\n);\n";
  text += "  wire reset = !aresetn;\n";
  text += BlockInstance(block, name);
  text += WrapperInstance(block, name + "_");
  return text + "endmodule\n\n`default_nettype wire\n";
}

}  // namespace

const char* AxisTopFile(const BlockDescription& block) {
  return block.IsDecoder() ? "rs_axis_decoder.v" : "rs_axis_encoder.v";
}

std::string AxisWrapper(const BlockDescription& block, const AxisWrapperNames& names,
                        const std::string& rtlDirectory) {
  return HeaderComment(block, names) + AxisModule(block, names.design) +
         AssembleBeside(rtlDirectory, AxisTopFile(block), CoreTopFile(block), names.design + "_");
}

}  // namespace hdl
