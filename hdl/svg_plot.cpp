#include "hdl/svg_plot.h"

#include <algorithm>
#include <cmath>

#include "hdl/xml_text.h"

namespace hdl {

namespace {

constexpr double kWidth = 640, kHeight = 400;
constexpr double kLeft = 72, kRight = 24, kTop = 34, kBottom = 56;
constexpr double kFrameWidth = kWidth - kLeft - kRight;
constexpr double kFrameHeight = kHeight - kTop - kBottom;

// Where a value sits along an axis, 0 at its start and 1 at its end; NaN for a value a log
// axis cannot show (0 or below).
double Fraction(const PlotAxis& axis, double value) {
  if (axis.log) {
    if (!(value > 0)) return NAN;
    return (std::log10(value) - axis.from) / (axis.to - axis.from);
  }
  return (value - axis.from) / (axis.to - axis.from);
}

double X(const PlotAxis& axis, double value) {
  return kLeft + Fraction(axis, value) * kFrameWidth;
}
double Y(const PlotAxis& axis, double value) {
  return kTop + (1 - Fraction(axis, value)) * kFrameHeight;
}

bool Inside(const Plot& plot, double x, double y) {
  const double fx = Fraction(plot.x, x), fy = Fraction(plot.y, y);
  return fx >= -1e-9 && fx <= 1 + 1e-9 && fy >= -1e-9 && fy <= 1 + 1e-9;
}

// "10^e" with the exponent raised.
std::string DecadeLabel(int exponent) {
  if (exponent == 0) return "1";
  if (exponent == 1) return "10";
  return "10<tspan dy=\"-6\" font-size=\"9\">" + std::to_string(exponent) + "</tspan>";
}

// Tick values of a linear axis: a 1, 2 or 5 step giving at most ten ticks.
std::vector<double> LinearTicks(const PlotAxis& axis) {
  const double span = axis.to - axis.from;
  double step = 1;
  for (double decade = 1; decade < 1e9; decade *= 10) {
    bool found = false;
    for (double factor : {1.0, 2.0, 5.0}) {
      if (span / (decade * factor) <= 10) {
        step = decade * factor;
        found = true;
        break;
      }
    }
    if (found) break;
  }
  std::vector<double> ticks;
  for (double value = std::ceil(axis.from / step) * step; value <= axis.to + 1e-9; value += step)
    ticks.push_back(value);
  return ticks;
}

std::string Grid(const Plot& plot) {
  std::string out;
  const auto line = [&out](double x1, double y1, double x2, double y2) {
    out += "<line class=\"grid\" x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) +
           "\" x2=\"" + Coordinate(x2) + "\" y2=\"" + Coordinate(y2) + "\"/>\n";
  };
  const auto label = [&out](double x, double y, const char* anchor, const std::string& text) {
    out += "<text class=\"tick\" x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) +
           "\" text-anchor=\"" + anchor + "\">" + text + "</text>\n";
  };
  const double bottom = kTop + kFrameHeight;
  if (plot.x.log) {
    for (int e = static_cast<int>(std::ceil(plot.x.from)); e <= plot.x.to; ++e) {
      const double x = X(plot.x, std::pow(10.0, e));
      line(x, kTop, x, bottom);
      label(x, bottom + 18, "middle", DecadeLabel(e));
    }
  } else {
    for (double value : LinearTicks(plot.x)) {
      const double x = X(plot.x, value);
      line(x, kTop, x, bottom);
      label(x, bottom + 18, "middle", std::to_string(static_cast<long>(std::lround(value))));
    }
  }
  const int ystep = plot.y.to - plot.y.from > 12 ? 2 : 1;
  for (int e = static_cast<int>(std::ceil(plot.y.from)); e <= plot.y.to; ++e) {
    const double y = Y(plot.y, std::pow(10.0, e));
    line(kLeft, y, kLeft + kFrameWidth, y);
    if ((e - static_cast<int>(plot.y.to)) % ystep == 0)
      label(kLeft - 6, y + 4, "end", DecadeLabel(e));
  }
  return out;
}

std::string Curve(const Plot& plot, const PlotCurve& curve) {
  std::string out;
  std::string run;
  int count = 0;
  const auto flush = [&] {
    if (count >= 2)
      out += "<polyline class=\"" + curve.styleClass + "\" points=\"" + run + "\"/>\n";
    run.clear();
    count = 0;
  };
  for (const auto& [x, y] : curve.points) {
    if (!Inside(plot, x, y)) {
      flush();
      continue;
    }
    if (count > 0) run += ' ';
    run += Coordinate(X(plot.x, x)) + "," + Coordinate(Y(plot.y, y));
    ++count;
  }
  flush();
  return out;
}

std::string Legend(const Plot& plot) {
  std::string out;
  double y = kTop + 16;
  for (const PlotCurve& curve : plot.curves) {
    const double x = kLeft + 12;
    out += "<line class=\"" + curve.styleClass + "\" x1=\"" + Coordinate(x) + "\" y1=\"" +
           Coordinate(y - 4) + "\" x2=\"" + Coordinate(x + 28) + "\" y2=\"" + Coordinate(y - 4) +
           "\"/>\n<text class=\"legend\" x=\"" + Coordinate(x + 34) + "\" y=\"" + Coordinate(y) +
           "\">" + XmlEscaped(curve.label) + "</text>\n";
    y += 16;
  }
  return out;
}

std::string Marks(const Plot& plot) {
  std::string out;
  for (const PlotMark& mark : plot.marks) {
    if (!Inside(plot, mark.x, mark.y)) continue;
    const double x = X(plot.x, mark.x), y = Y(plot.y, mark.y);
    out += "<circle class=\"mark\" cx=\"" + Coordinate(x) + "\" cy=\"" + Coordinate(y) +
           "\" r=\"3.5\"/>\n";
    // Left and above, or right and below: either side of a rising curve is free.
    const double dx = mark.labelRight ? 7 : -7, dy = mark.labelRight ? 14 : -6;
    out += "<text class=\"mark-label\" x=\"" + Coordinate(x + dx) + "\" y=\"" + Coordinate(y + dy) +
           "\" text-anchor=\"" + (mark.labelRight ? "start" : "end") + "\">" +
           XmlEscaped(mark.label) + "</text>\n";
  }
  return out;
}

}  // namespace

std::string SvgPlot(const Plot& plot) {
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"plot\" viewBox=\"0 0 " +
                    Coordinate(kWidth) + " " + Coordinate(kHeight) + "\" role=\"img\">\n";
  out += "<title>" + XmlEscaped(plot.title) + "</title>\n";
  out += "<rect class=\"frame\" x=\"" + Coordinate(kLeft) + "\" y=\"" + Coordinate(kTop) +
         "\" width=\"" + Coordinate(kFrameWidth) + "\" height=\"" + Coordinate(kFrameHeight) +
         "\"/>\n";
  out += Grid(plot);
  for (const PlotCurve& curve : plot.curves) out += Curve(plot, curve);
  out += Marks(plot);
  out += Legend(plot);
  out += "<text class=\"axis\" x=\"" + Coordinate(kLeft + kFrameWidth / 2) + "\" y=\"" +
         Coordinate(kHeight - 12) + "\" text-anchor=\"middle\">" + XmlEscaped(plot.x.label) +
         "</text>\n";
  out += "<text class=\"axis\" transform=\"translate(16," + Coordinate(kTop + kFrameHeight / 2) +
         ") rotate(-90)\" text-anchor=\"middle\">" + XmlEscaped(plot.y.label) + "</text>\n";
  out += "<text class=\"plot-title\" x=\"" + Coordinate(kLeft) + "\" y=\"20\">" +
         XmlEscaped(plot.title) + "</text>\n";
  return out + "</svg>\n";
}

}  // namespace hdl
