#include "hdl/timing_diagram.h"

#include <algorithm>
#include <cmath>

#include "hdl/xml_text.h"

namespace hdl {

namespace {

constexpr double kWidth = 900, kLeft = 120, kRight = 20, kTop = 30;
constexpr double kRowHeight = 34, kWaveHeight = 16, kDimensionHeight = 22;

class Layout {
 public:
  explicit Layout(const TimingDiagram& diagram)
      : first_(diagram.first - 0.5),
        scale_((kWidth - kLeft - kRight) / (diagram.last - diagram.first + 1)) {
    double y = kTop;
    for (std::size_t row = 0; row < diagram.signals.size(); ++row) {
      rowTop_.push_back(y);
      y += kRowHeight;
      for (const WaveDimension& d : diagram.dimensions)
        if (d.row == static_cast<int>(row)) y += kDimensionHeight;
    }
    bottom_ = y;
  }
  double X(double edge) const {
    return std::clamp(kLeft + (edge - first_) * scale_, kLeft, kWidth - kRight);
  }
  double Scale() const { return scale_; }
  double RowTop(int row) const { return rowTop_[static_cast<std::size_t>(row)]; }
  double Bottom() const { return bottom_; }

 private:
  double first_, scale_;
  std::vector<double> rowTop_;
  double bottom_ = 0;
};

std::string Path(const std::string& cls, const std::string& d) {
  return "<path class=\"" + cls + "\" d=\"" + d + "\"/>\n";
}

std::string Point(double x, double y) {
  return Coordinate(x) + "," + Coordinate(y);
}

// A square wave where a clock is wide enough to see, otherwise a tick on every K-th edge.
std::string ClockRow(const Layout& layout, const TimingDiagram& diagram, double top,
                     std::string& name) {
  const double high = top + 4, low = top + 4 + kWaveHeight;
  std::string d;
  if (layout.Scale() >= 6) {
    d = "M" + Point(layout.X(diagram.first - 0.5), low);
    for (double edge = diagram.first - 0.5; edge < diagram.last; edge += 1) {
      // Rising at edge + 0.5 (the sampling edge), falling half a clock later.
      const double rise = layout.X(edge + 0.5), fall = layout.X(edge + 1);
      d += " L" + Point(rise, low) + " L" + Point(rise, high) + " L" + Point(fall, high) + " L" +
           Point(fall, low);
    }
    return Path("wave", d);
  }
  int every = 1;
  for (int step : {2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
    every = step;
    if (layout.Scale() * step >= 6) break;
  }
  name += " (every " + std::to_string(every) + ")";
  const double start = std::ceil(diagram.first / every) * every;
  for (double edge = start; edge <= diagram.last; edge += every)
    d += "M" + Point(layout.X(edge), low) + " L" + Point(layout.X(edge), high) + " ";
  return Path("wave", d);
}

std::string BitRow(const Layout& layout, const TimingDiagram& diagram, const WaveSignal& signal,
                   double top) {
  const double high = top + 4, low = top + 4 + kWaveHeight;
  std::vector<WaveSpan> spans = signal.spans;
  std::sort(spans.begin(), spans.end(),
            [](const WaveSpan& a, const WaveSpan& b) { return a.from < b.from; });
  std::string d = "M" + Point(layout.X(diagram.first - 0.5), low);
  for (const WaveSpan& span : spans) {
    // A one-clock pulse stays visible however many clocks the window holds.
    const double up = layout.X(span.from - 0.5), down = std::max(layout.X(span.to + 0.5), up + 2);
    d += " L" + Point(up, low) + " L" + Point(up, high) + " L" + Point(down, high) + " L" +
         Point(down, low);
  }
  d += " L" + Point(layout.X(diagram.last + 0.5), low);
  return Path("wave", d);
}

std::string BusRow(const Layout& layout, const TimingDiagram& diagram, const WaveSignal& signal,
                   double top) {
  const double high = top + 4, low = top + 4 + kWaveHeight, middle = (high + low) / 2;
  std::string out;
  // The idle line, between and around the values.
  out += Path("idle", "M" + Point(layout.X(diagram.first - 0.5), middle) + " L" +
                          Point(layout.X(diagram.last + 0.5), middle));
  for (const WaveSpan& span : signal.spans) {
    const double a = layout.X(span.from - 0.5), b = layout.X(span.to + 0.5);
    const double slant = std::min(4.0, (b - a) / 4);
    out += Path("bus", "M" + Point(a, middle) + " L" + Point(a + slant, high) + " L" +
                           Point(b - slant, high) + " L" + Point(b, middle) + " L" +
                           Point(b - slant, low) + " L" + Point(a + slant, low) + " Z");
    if (!span.label.empty() && b - a > 40)
      out += "<text class=\"bus-label\" x=\"" + Coordinate((a + b) / 2) + "\" y=\"" +
             Coordinate(middle + 4) + "\" text-anchor=\"middle\">" + XmlEscaped(span.label) +
             "</text>\n";
  }
  return out;
}

std::string Dimension(const Layout& layout, const WaveDimension& d, double y) {
  const double a = layout.X(d.from), b = layout.X(d.to);
  std::string out =
      Path("dimension", "M" + Point(a, y - 5) + " L" + Point(a, y + 5) + " M" + Point(b, y - 5) +
                            " L" + Point(b, y + 5) + " M" + Point(a, y) + " L" + Point(b, y));
  out += Path("arrowhead",
              "M" + Point(b, y) + " L" + Point(b - 6, y - 3) + " L" + Point(b - 6, y + 3) + " Z");
  const bool roomInside = b - a > 7.0 * static_cast<double>(d.label.size());
  out += "<text class=\"dimension-label\" x=\"" + Coordinate(roomInside ? (a + b) / 2 : b + 6) +
         "\" y=\"" + Coordinate(y - 3) + "\" text-anchor=\"" + (roomInside ? "middle" : "start") +
         "\">" + XmlEscaped(d.label) + "</text>\n";
  return out;
}

}  // namespace

std::string SvgTimingDiagram(const TimingDiagram& diagram) {
  const Layout layout(diagram);
  std::string rows;
  for (std::size_t i = 0; i < diagram.signals.size(); ++i) {
    const WaveSignal& signal = diagram.signals[i];
    const double top = layout.RowTop(static_cast<int>(i));
    std::string name = signal.name;
    switch (signal.kind) {
      case WaveKind::kClock:
        rows += ClockRow(layout, diagram, top, name);
        break;
      case WaveKind::kBit:
        rows += BitRow(layout, diagram, signal, top);
        break;
      case WaveKind::kBus:
        rows += BusRow(layout, diagram, signal, top);
        break;
    }
    rows += "<text class=\"signal\" x=\"" + Coordinate(kLeft - 8) + "\" y=\"" +
            Coordinate(top + 4 + kWaveHeight - 3) + "\" text-anchor=\"end\">" + XmlEscaped(name) +
            "</text>\n";
    double y = top + kRowHeight + kDimensionHeight / 2;
    for (const WaveDimension& d : diagram.dimensions) {
      if (d.row != static_cast<int>(i)) continue;
      rows += Dimension(layout, d, y - 4);
      y += kDimensionHeight;
    }
  }
  std::string marks;
  for (double edge : diagram.markedEdges) {
    const double x = layout.X(edge);
    marks += Path("edge-mark", "M" + Point(x, kTop - 4) + " L" + Point(x, layout.Bottom()));
    marks += "<text class=\"edge-label\" x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(kTop - 8) +
             "\" text-anchor=\"middle\">" + std::to_string(static_cast<long>(std::lround(edge))) +
             "</text>\n";
  }
  const double height = layout.Bottom() + 10;
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"timing\" viewBox=\"0 0 " +
                    Coordinate(kWidth) + " " + Coordinate(height) + "\" role=\"img\">\n";
  out += "<title>" + XmlEscaped(diagram.title) + "</title>\n";
  return out + marks + rows + "</svg>\n";
}

}  // namespace hdl
