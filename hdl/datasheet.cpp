#include "hdl/datasheet.h"

#include <algorithm>
#include <cmath>

#include "hdl/axis_buffers.h"
#include "hdl/block_summary.h"
#include "hdl/decoder_timing.h"
#include "hdl/design_header.h"
#include "hdl/marked_files.h"
#include "hdl/svg_plot.h"
#include "hdl/timing_diagram.h"
#include "hdl/xml_text.h"
#include "platform/text_format.h"
#include "rsmath/decoded_error_rate.h"

namespace hdl {

namespace {

using platform::Format;
using rsmath::DecodedErrorRate;

constexpr const char* kStyle = R"(
body { font-family: sans-serif; max-width: 62em; margin: 2em auto; padding: 0 1em;
       color: #111; background: #fff; line-height: 1.4; }
h1 { font-size: 1.5em; margin-bottom: 0.2em; }
h2 { font-size: 1.2em; border-bottom: 1px solid #888; margin-top: 1.6em; }
h3 { font-size: 1.05em; }
table { border-collapse: collapse; margin: 0.6em 0; }
th, td { border: 1px solid #bbb; padding: 0.15em 0.6em; text-align: left; vertical-align: top; }
th { background: #eee; }
td.number { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
code { font-family: monospace; }
p.note { color: #444; font-size: 0.92em; }
figure { margin: 1em 0; }
figcaption { font-size: 0.92em; color: #333; }
svg { width: 100%; height: auto; max-width: 900px; display: block; }
svg text { font-family: sans-serif; font-size: 12px; fill: #111; }
svg .frame { fill: none; stroke: #111; }
svg .grid { stroke: #ccc; stroke-width: 0.6; }
svg .tick { font-size: 11px; }
svg .plot-title { font-weight: bold; }
svg .curve-word { fill: none; stroke: #b22222; stroke-width: 2; }
svg .curve-symbol { fill: none; stroke: #1f5fa8; stroke-width: 2; stroke-dasharray: 8 3; }
svg .curve-channel { fill: none; stroke: #666; stroke-width: 1; stroke-dasharray: 2 3; }
svg .curve-miscorrection { fill: none; stroke: #5b2a86; stroke-width: 2; }
svg .mark { fill: #111; }
svg .mark-label, svg .bus-label { font-size: 11px; }
svg .wave { fill: none; stroke: #111; stroke-width: 1.4; }
svg .idle { fill: none; stroke: #999; }
svg .bus { fill: #e8eef7; stroke: #111; stroke-width: 1.2; }
svg .dimension { fill: none; stroke: #a0282d; }
svg .arrowhead { fill: #a0282d; }
svg .dimension-label { fill: #a0282d; font-size: 11px; }
svg .edge-mark { fill: none; stroke: #888; stroke-dasharray: 3 3; }
svg .edge-label { fill: #555; font-size: 10px; }
@page { size: A4; margin: 14mm; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 10pt; }
  h2 { page-break-after: avoid; }
  figure, table, svg { page-break-inside: avoid; }
}
)";

std::string Cell(const std::string& text, const std::string& id = "", bool number = false) {
  std::string out = "<td";
  if (!id.empty()) out += " id=\"" + id + "\"";
  if (number) out += " class=\"number\"";
  return out + ">" + text + "</td>";
}

std::string Row(const std::string& heading, const std::string& cells) {
  return "<tr><th>" + heading + "</th>" + cells + "</tr>\n";
}

// "latency from last" -> "latency-from-last", for ids.
std::string Slug(const std::string& name) {
  std::string out;
  for (char c : name) out += (c == ' ') ? '-' : c;
  return out;
}

std::string GeneratorText(const std::vector<int>& g) {
  const int r = static_cast<int>(g.size()) - 1;
  std::string text;
  for (int i = 0; i <= r; ++i) {
    const int coefficient = g[static_cast<std::size_t>(i)], power = r - i;
    if (coefficient == 0) continue;
    if (!text.empty()) text += " + ";
    const std::string x = power == 0 ? "" : power == 1 ? "x" : Format("x<sup>%d</sup>", power);
    if (coefficient != 1 || power == 0)
      text += std::to_string(coefficient) + (x.empty() ? "" : " ");
    text += x;
  }
  return text;
}

std::string Superscripts(const std::string& text) {
  // x^8 -> x<sup>8</sup> in the field polynomial's text.
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '^') {
      out += text[i];
      continue;
    }
    std::size_t end = i + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    out += "<sup>" + text.substr(i + 1, end - i - 1) + "</sup>";
    i = end - 1;
  }
  return out;
}

std::string CodeSection(const BlockDescription& block, const BlockSummary& summary) {
  std::string out = "<h2>Code</h2>\n<table>\n";
  out += Row("bits per symbol m", Cell(std::to_string(block.m), "code-m"));
  out += Row("symbols per codeword n", Cell(std::to_string(block.n), "code-n"));
  out += Row("message symbols k", Cell(std::to_string(summary.k), "code-k"));
  out += Row("check symbols r", Cell(std::to_string(block.check), "code-r"));
  out += Row("symbol errors corrected t", Cell(std::to_string(summary.t), "code-t"));
  out += Row("field polynomial",
             Cell(std::to_string(block.irrpol) + " = " + Superscripts(PolynomialText(block.irrpol)),
                  "code-polynomial"));
  out += Row("first root", Cell(Format("a<sup>%d</sup>", block.genstart), "code-first-root"));
  out += Row("generator polynomial g(x)", Cell(GeneratorText(summary.generator), "code-generator"));
  out += Row("variant", Cell(XmlEscaped(summary.variant), "code-variant"));
  if (!summary.solver.empty())
    out += Row("key-equation solver", Cell(XmlEscaped(summary.solver), "code-solver"));
  out += "</table>\n";
  out +=
      "<p class=\"note\">Symbols are field elements in polynomial basis (bit i the coefficient of "
      "x<sup>i</sup>); a is x, the primitive element; g(x) has the roots a<sup>" +
      std::to_string(block.genstart) + "</sup> &#8230; a<sup>" +
      std::to_string(block.genstart + block.check - 1) +
      "</sup>, its coefficients written as the field elements' numbers.</p>\n";
  return out;
}

std::string PortsSection(const BlockSummary& summary) {
  std::string out =
      "<h2>Ports</h2>\n<table>\n<tr><th>port</th><th>direction</th><th>width</th>"
      "<th>meaning</th></tr>\n";
  for (const PortSummary& port : summary.ports)
    out += "<tr><td><code>" + XmlEscaped(port.name) + "</code></td>" +
           Cell(port.output ? "output" : "input") +
           Cell(port.width > 0 ? Format("[%d:1]", port.width) : "1", "port-" + port.name, true) +
           Cell(XmlEscaped(port.meaning)) + "</tr>\n";
  return out + "</table>\n";
}

std::string FilesSection(const DatasheetInputs& inputs) {
  std::string out = "<h2>Files</h2>\n<table>\n<tr><th>file</th><th>what it holds</th></tr>\n";
  for (const DatasheetFile& file : inputs.files)
    out += "<tr><td><code>" + XmlEscaped(file.name) + "</code></td>" + Cell(XmlEscaped(file.what)) +
           "</tr>\n";
  out +=
      "</table>\n<p class=\"note\">The block's behaviour at its ports, the rules behind the "
      "clock counts and the testbenches are documented in <code>" +
      std::string(kInstalledHdlGuide) +
      "</code> (<code>docs/hdl.md</code> in the source tree).</p>\n";
  return out;
}

TimingDiagram EncoderDiagram(const BlockDescription& block, int clocks) {
  const double n = block.n, k = block.n - block.check, latency = clocks;
  TimingDiagram d;
  d.title = "One codeword in and out at the encoder's ports";
  d.last = n + latency + 3;
  d.first = -std::max(2.0, std::round(d.last / 40));
  d.signals = {
      {"sysclk", WaveKind::kClock, {}},
      {"start", WaveKind::kBit, {{0, 0, ""}}},
      {"enable", WaveKind::kBit, {{0, d.last + 1, ""}}},
      {"rsin", WaveKind::kBus, {{0, k - 1, "message, k symbols"}, {n, d.last + 1, "next"}}},
      {"rsout",
       WaveKind::kBus,
       {{latency, k - 1 + latency, "message"},
        {k + latency, n - 1 + latency, "check"},
        {n + latency, d.last + 1, ""}}},
  };
  d.dimensions = {
      {3, 0, n, Format("word spacing %d", block.n)},
      {4, 0, latency, Format("latency %d", clocks)},
  };
  d.markedEdges = {0, k, n};
  return d;
}

TimingDiagram DecoderDiagram(const BlockDescription& block, const DecoderTiming& timing) {
  const int n = block.n;
  const bool streaming = block.kind == BlockKind::kStreamingDecoder;
  const int first = timing.LatencyFromFirst(n);  // symbols taken on consecutive edges
  const int guard = timing.inputGuard;
  TimingDiagram d;
  d.title =
      Format("One word in and out at the %s decoder's ports", streaming ? "streaming" : "discrete");
  d.last = first + n + 2;
  d.first = -std::max(2.0, std::round(d.last / 40));
  // The next word's first symbol at the earliest: rdyin is 1 again after the guard.
  const double next = n + guard;
  // rdyin: streaming, 0 after the first symbol up to the last and guard edges more; discrete,
  // 0 on the guard edges after the last.
  const double rdyLow = streaming ? 1 : n;
  const double rdyHigh = n + guard;  // first edge with rdyin 1 again
  std::vector<WaveSpan> dsin, rdyin;
  if (streaming) {
    dsin = {{0, 0, ""}, {next, next, ""}};
  } else {
    dsin = {{0, n - 1.0, ""}, {next, d.last + 1, ""}};
  }
  rdyin = {{d.first - 1, rdyLow - 1, ""}};
  if (rdyHigh <= d.last) rdyin.push_back({rdyHigh, d.last + 1, ""});
  d.signals = {
      {"sysclk", WaveKind::kClock, {}},
      {"dsin", WaveKind::kBit, dsin},
      {"rsin",
       WaveKind::kBus,
       {{0, n - 1.0, Format("received word, n = %d symbols", n)}, {next, d.last + 1, "next word"}}},
      {"rdyin", WaveKind::kBit, rdyin},
      {"outvalid", WaveKind::kBit, {{static_cast<double>(first), first + n - 1.0, ""}}},
      {"rsout", WaveKind::kBus, {{static_cast<double>(first), first + n - 1.0, "corrected word"}}},
      {"numerr, decfail",
       WaveKind::kBus,
       {{static_cast<double>(first), first + n - 1.0, "constant over the word"}}},
  };
  d.dimensions.push_back({2, 0, next, Format("next word after %d", static_cast<int>(next))});
  if (guard > 0) d.dimensions.push_back({3, n - 1.0, n - 1.0 + guard, Format("guard %d", guard)});
  d.dimensions.push_back({4, 0, static_cast<double>(first), Format("latency %d", first)});
  d.dimensions.push_back(
      {4, n - 1.0, static_cast<double>(first), Format("%d from the last", timing.outputLatency)});
  d.markedEdges = {0, static_cast<double>(first)};
  if (first - n > 20) d.markedEdges.push_back(n - 1.0);
  return d;
}

std::string TimingSection(const BlockDescription& block, const BlockSummary& summary) {
  std::string out =
      "<h2>Timing</h2>\n<table>\n<tr><th>clocks</th><th>edges</th><th>counted"
      "</th></tr>\n";
  for (const ClockSummary& clock : summary.clocks)
    out += "<tr><th>" + XmlEscaped(clock.name) + "</th>" +
           Cell(std::to_string(clock.clocks), "clock-" + Slug(clock.name), true) +
           Cell(XmlEscaped(clock.counts)) + "</tr>\n";
  out += "</table>\n";
  const TimingDiagram diagram = block.IsDecoder()
                                    ? DecoderDiagram(block, DecoderTimingOf(block))
                                    : EncoderDiagram(block, summary.clocks.front().clocks);
  out += "<figure>\n" + SvgTimingDiagram(diagram) + "<figcaption>" + XmlEscaped(diagram.title) +
         ", to scale; edges are numbered from the one that takes the word's first symbol, and "
         "each value is drawn centred on the edge that samples it." +
         (block.kind == BlockKind::kDiscreteDecoder
              ? " Drawn with a symbol on every edge; with gaps the word's last symbol, and "
                "everything after it, moves by the gaps."
              : "") +
         "</figcaption>\n</figure>\n";
  return out;
}

// Edge 0 is the one on which the word's first symbol enters the block; the wrapper's own
// clocks before it (a streaming word waits whole in the input FIFO) depend on s_axis.
TimingDiagram AxisDiagram(const BlockDescription& block, const AxisBuffers& buffers) {
  const double n = block.n, out = buffers.firstOut, next = buffers.wordClocks;
  TimingDiagram d;
  d.title = "One word through the AXI4-Stream wrapper, m_axis_tready held 1";
  d.last = out + n + 2;
  d.first = -std::max(2.0, std::round(d.last / 40));
  const std::string in = block.IsDecoder() ? "received word into the block"
                                           : "codeword steps: k message symbols, r check";
  d.signals = {
      {"aclk", WaveKind::kClock, {}},
      {"block input", WaveKind::kBus, {{0, n - 1, in}, {next, d.last + 1, "next word"}}},
      {"m_axis_tvalid", WaveKind::kBit, {{out, out + n - 1, ""}}},
      {"m_axis_tdata", WaveKind::kBus, {{out, out + n - 1, "n symbols"}}},
      {"m_axis_tlast", WaveKind::kBit, {{out + n - 1, out + n - 1, ""}}},
  };
  if (block.IsDecoder())
    d.signals.push_back(
        {"m_axis_tuser", WaveKind::kBus, {{out, out + n - 1, "{decfail, numerr}"}}});
  d.dimensions = {
      {1, 0, next, Format("next word after %d", buffers.wordClocks)},
      {2, 0, out, Format("first beat after %d", buffers.firstOut)},
  };
  d.markedEdges = {0, out};
  return d;
}

std::string AxisSection(const BlockDescription& block) {
  const AxisBuffers buffers = AxisBuffersOf(block);
  const auto fifo = [](const AxisFifo& f) {
    return f.depth == 0 ? std::string("none") : Format("%d &#215; %d bits", f.depth, f.bits);
  };
  std::string out = "<h3>Behind AXI4-Stream ports</h3>\n<table>\n";
  out += Row("words at the block's rate, one every",
             Cell(Format("%d clocks", buffers.wordClocks), "axis-word-clocks", true));
  out += Row("first m_axis beat after the word enters the block",
             Cell(Format("%d clocks", buffers.firstOut), "axis-first-out", true));
  out += Row("input FIFO", Cell(fifo(buffers.input), "axis-input-fifo", true));
  out += Row("output FIFO", Cell(fifo(buffers.output), "axis-output-fifo", true));
  out += "</table>\n";
  const TimingDiagram diagram = AxisDiagram(block, buffers);
  out += "<figure>\n" + SvgTimingDiagram(diagram) + "<figcaption>" + XmlEscaped(diagram.title) +
         ". Edges are numbered from the one on which the word's first symbol enters the block";
  out += block.kind == BlockKind::kStreamingDecoder
             ? ", which is once all its n beats wait in the input FIFO."
             : ", which is as soon as its first beat can pass the input side.";
  out +=
      " A word enters only when the output FIFO has room for it and for everything still in "
      "flight, so stalls on m_axis hold s_axis back and lose nothing (more in the guide)."
      "</figcaption>\n</figure>\n";
  return out;
}

std::string MemorySection(const BlockSummary& summary) {
  std::string out = "<h2>Memories</h2>\n";
  if (summary.memories.empty())
    return out + "<p>None: the encoder keeps its state in flip-flops.</p>\n";
  out += "<table>\n<tr><th>memory</th><th>depth &#215; width</th></tr>\n";
  for (std::size_t i = 0; i < summary.memories.size(); ++i) {
    const MemorySummary& memory = summary.memories[i];
    out += "<tr><td>" + XmlEscaped(memory.name) + "</td>" +
           Cell(Format("%d &#215; %d bits", memory.depth, memory.width),
                Format("memory-%zu", i + 1), true) +
           "</tr>\n";
  }
  return out +
         "</table>\n<p class=\"note\">Simple dual-port memories written as templates: "
         "block or LUT RAM after synthesis.</p>\n";
}

std::string FiguresSection(const DatasheetInputs& inputs) {
  std::string out = "<h2>Synthesis figures</h2>\n";
  if (!inputs.figures) return out + "<p>" + XmlEscaped(inputs.figuresNote) + "</p>\n";
  const SynthesisFigures& figures = *inputs.figures;
  out += "<table>\n<tr>";
  for (const std::string& heading : figures.headings) out += "<th>" + XmlEscaped(heading) + "</th>";
  out += "</tr>\n<tr>";
  for (std::size_t i = 0; i < figures.values.size(); ++i)
    out += Cell(XmlEscaped(figures.values[i]), Format("figure-%zu", i + 1), i > 0);
  out += "</tr>\n</table>\n<p class=\"note\">Measured by <code>bench/hdl_figures.sh</code> on " +
         XmlEscaped(inputs.name) + ".v";
  for (const std::string& tool : figures.tools) out += "; " + XmlEscaped(tool);
  return out + ".</p>\n";
}

// ---- error rates ----

// Channel rates 10^from .. 1/2, evenly on the log scale.
std::vector<double> ChannelRates(double from, int count) {
  std::vector<double> rates;
  const double to = std::log10(0.5);
  for (int i = 0; i < count; ++i)
    rates.push_back(std::pow(10.0, from + (to - from) * i / (count - 1)));
  return rates;
}

std::string ErrorRateSection(const BlockDescription& block, const BlockSummary& summary) {
  const DecodedErrorRate model(block.m, block.n, block.check);
  std::string out = "<h2>Error rates after decoding</h2>\n";
  out += Format(
      "<p>On a channel that makes each symbol wrong with probability p, independently, any "
      "wrong value alike, a decoder that corrects up to t = %d errors leaves a word wrong when "
      "it had more than t: it then either fails (decfail 1, the word as received) or, rarely, "
      "miscorrects to another codeword. The rates follow exactly from the binomial law and the "
      "code's weight distribution (every Reed-Solomon code is maximum-distance separable); "
      "the symbol error rate counts the wrong symbols a word delivers, those of a failed word "
      "and those of a miscorrected one.</p>\n",
      summary.t);

  struct Target {
    double rate;
    int exponent;
  };
  const Target targets[] = {{1e-6, 6}, {1e-9, 9}};
  out +=
      "<table>\n<tr><th>output rate</th><th>word error rate reaches it at channel p =</th>"
      "<th>symbol error rate reaches it at channel p =</th></tr>\n";
  std::vector<PlotMark> marks;
  for (const Target& target : targets) {
    const auto word = model.ChannelRateFor(DecodedErrorRate::Output::kCodeword, target.rate);
    const auto symbol = model.ChannelRateFor(DecodedErrorRate::Output::kSymbol, target.rate);
    const auto text = [](const std::optional<double>& p) {
      return p ? RateText(*p) : std::string("not within 1e-30 .. 0.5");
    };
    out += "<tr><th>" + Format("10<sup>-%d</sup>", target.exponent) + "</th>" +
           Cell(text(word), Format("rate-word-%d", target.exponent), true) +
           Cell(text(symbol), Format("rate-symbol-%d", target.exponent), true) + "</tr>\n";
    if (word) marks.push_back({*word, target.rate, "word: p = " + RateText(*word), false});
    if (symbol) marks.push_back({*symbol, target.rate, "symbol: p = " + RateText(*symbol), true});
  }
  out += "</table>\n";

  // The x range starts where the word error rate is 1e-15, a whole decade below.
  const auto deep = model.ChannelRateFor(DecodedErrorRate::Output::kCodeword, 1e-15);
  const double from = std::min(-3.0, std::floor(std::log10(deep.value_or(1e-15))));
  Plot rates;
  rates.title = "Word and symbol error rate after decoding";
  rates.x = {"channel symbol error rate p", true, from, 0};
  rates.y = {"error rate after decoding", true, -15, 0};
  PlotCurve word{"word error rate", "curve-word", {}};
  PlotCurve symbol{"symbol error rate", "curve-symbol", {}};
  PlotCurve channel{"no coding (= p)", "curve-channel", {}};
  for (double p : ChannelRates(from, 241)) {
    word.points.emplace_back(p, model.CodewordErrorRate(p));
    symbol.points.emplace_back(p, model.SymbolErrorRate(p));
    channel.points.emplace_back(p, p);
  }
  rates.curves = {word, symbol, channel};
  rates.marks = marks;
  out += "<figure>\n" + SvgPlot(rates) +
         "<figcaption>Log scales; the dots mark the channel rates at which the output reaches "
         "10<sup>-6</sup> and 10<sup>-9</sup>.</figcaption>\n</figure>\n";

  out +=
      "<table id=\"error-rates\">\n<tr><th>channel p</th><th>word error rate</th>"
      "<th>symbol error rate</th><th>miscorrected words</th></tr>\n";
  int row = 0;
  for (int e = static_cast<int>(from); e <= -1; ++e) {
    const double p = std::pow(10.0, e);
    ++row;
    out += "<tr>" + Cell(RateText(p), Format("point-%d-p", row), true) +
           Cell(RateText(model.CodewordErrorRate(p)), Format("point-%d-word", row), true) +
           Cell(RateText(model.SymbolErrorRate(p)), Format("point-%d-symbol", row), true) +
           Cell(RateText(model.MiscorrectionRate(p)), Format("point-%d-miscorrected", row), true) +
           "</tr>\n";
  }
  out += "</table>\n";

  // Miscorrection beyond t.
  Plot beyond;
  beyond.title = "Miscorrection probability of a word with e > t errors";
  double lowest = 0, highest = -300;
  PlotCurve curve{"miscorrected (decfail 0, word wrong)", "curve-miscorrection", {}};
  for (int e = summary.t + 1; e <= block.n; ++e) {
    const double probability = model.MiscorrectionProbability(e);
    curve.points.emplace_back(e, probability);
    if (probability > 0) {
      lowest = std::min(lowest, std::floor(std::log10(probability)));
      highest = std::max(highest, std::ceil(std::log10(probability)));
    }
  }
  beyond.x = {"symbol errors e in the word", false, static_cast<double>(summary.t + 1),
              static_cast<double>(block.n)};
  beyond.y = {"probability", true, std::min(lowest - 1, -1.0), std::min(highest + 1, 0.0)};
  beyond.curves = {curve};
  out +=
      "<h3>Miscorrection beyond t</h3>\n<p>Given e &gt; t errors, the share of error "
      "patterns that lie within t of another codeword: the decoder then delivers that "
      "codeword as corrected, with decfail 0. The others fail, with decfail 1.</p>\n";
  out += "<figure>\n" + SvgPlot(beyond) +
         "<figcaption>Linear in e, logarithmic in the "
         "probability.</figcaption>\n</figure>\n";
  out += "<table>\n<tr><th>errors e</th><th>miscorrection probability</th></tr>\n";
  for (int e : {summary.t + 1, summary.t + 2, summary.t + 3, block.n}) {
    if (e > block.n) continue;
    out += "<tr>" + Cell(std::to_string(e), "", true) +
           Cell(RateText(model.MiscorrectionProbability(e)), Format("miscorrection-%d", e), true) +
           "</tr>\n";
    if (e == block.n) break;
  }
  return out + "</table>\n";
}

}  // namespace

std::string Datasheet(const BlockDescription& block, const DatasheetInputs& inputs) {
  const BlockSummary summary = SummaryOf(block);
  const std::string name = XmlEscaped(inputs.name);
  // The header line first, so that rsmanager knows the page again as its own.
  std::string out =
      HeaderLine(CommentStyle::kHtml, inputs.cnxName) +
      "<!DOCTYPE html>\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" xml:lang=\"en\">\n<head>\n"
      "<meta charset=\"UTF-8\"/>\n<title>" +
      name + ": Reed-Solomon " + XmlEscaped(summary.variant) + "</title>\n<style>" + kStyle +
      "</style>\n</head>\n<body>\n";
  out += "<h1>" + name + ": Reed-Solomon " + XmlEscaped(summary.variant) +
         Format(", (%d, %d) over GF(2<sup>%d</sup>)</h1>\n", block.n, summary.k, block.m);
  out += "<p class=\"note\">Generated by rsmanager from " + XmlEscaped(inputs.cnxName) +
         "; rsmanager replaces this file, so edit the description instead.</p>\n";
  out += Format("<p>The block %s %d-symbol words of %d message and %d check symbols",
                block.IsDecoder() ? "decodes" : "encodes", block.n, summary.k, block.check);
  out += block.IsDecoder()
             ? Format(" and corrects up to %d symbol errors in each.</p>\n", summary.t)
             : Format("; a decoder corrects up to %d symbol errors in each.</p>\n", summary.t);
  out += CodeSection(block, summary);
  out += PortsSection(summary);
  out += FilesSection(inputs);
  out += TimingSection(block, summary);
  out += AxisSection(block);
  out += MemorySection(summary);
  out += FiguresSection(inputs);
  out += ErrorRateSection(block, summary);
  return out + "</body>\n</html>\n";
}

}  // namespace hdl
