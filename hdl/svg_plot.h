// A line chart as inline SVG, for the datasheet's error-rate pictures: either axis linear or
// logarithmic (whole decades), curves clipped to the frame, marked points with their labels.
// Colours and dash patterns come from the page's style sheet through the class names, so that
// the curves stay apart printed in grey as well.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace hdl {

struct PlotAxis {
  std::string label;
  bool log = true;
  // The range: powers of ten (decades) on a log axis, values on a linear one.
  double from = 0, to = 1;
};

struct PlotCurve {
  std::string label;
  std::string styleClass;                         // "curve-a", "curve-b", ...
  std::vector<std::pair<double, double>> points;  // (x, y) values, not logarithms
};

struct PlotMark {
  double x = 0, y = 0;  // values
  std::string label;
  bool labelRight = false;  // the label right of the point and below it, else left and above
};

struct Plot {
  std::string title;
  PlotAxis x, y;
  std::vector<PlotCurve> curves;
  std::vector<PlotMark> marks;
};

// An <svg> element (with the SVG namespace), 640 units wide.
std::string SvgPlot(const Plot& plot);

}  // namespace hdl
