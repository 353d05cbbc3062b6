// A waveform drawing as inline SVG, for the datasheet: one row per signal over a window of
// clocks, drawn to scale (a word of 255 symbols and its latency share one width), with the
// clock counts between chosen edges marked by arrows. Each value is drawn centred on the edge
// that samples it.
#pragma once

#include <string>
#include <vector>

namespace hdl {

enum class WaveKind { kClock, kBit, kBus };

// From edge `from` to edge `to` (both sampled), with a label for a bus.
struct WaveSpan {
  double from = 0, to = 0;
  std::string label;
};

struct WaveSignal {
  std::string name;
  WaveKind kind = WaveKind::kBit;
  std::vector<WaveSpan> spans;  // bit: where it is 1; bus: where it carries a value
};

// An arrow from edge `from` to edge `to` under the row of signal `row`, with its label.
struct WaveDimension {
  int row = 0;
  double from = 0, to = 0;
  std::string label;
};

struct TimingDiagram {
  std::string title;
  double first = 0, last = 1;  // the edges the window shows
  std::vector<WaveSignal> signals;
  std::vector<WaveDimension> dimensions;
  std::vector<double> markedEdges;  // dashed lines across every row, numbered
};

// An <svg> element (with the SVG namespace), 900 units wide.
std::string SvgTimingDiagram(const TimingDiagram& diagram);

}  // namespace hdl
