// The datasheet's drawings: points placed on their scales, clipped to the frame, text escaped.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "hdl/svg_plot.h"
#include "hdl/timing_diagram.h"
#include "hdl/xml_text.h"

namespace hdl {
namespace {

std::vector<std::string> Polylines(const std::string& svg) {
  std::vector<std::string> found;
  const std::regex pattern("<polyline class=\"[^\"]*\" points=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), pattern);
       it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1]);
  return found;
}

TEST(SvgPlotTest, LogScalesPlaceDecadesEvenlyAndClipToTheFrame) {
  Plot plot;
  plot.x = {"p", true, -4, 0};
  plot.y = {"rate", true, -8, 0};
  // y = p^2: one decade in x is two in y. The first point lies below the frame, the last
  // outside it to the right; neither is drawn, and nothing between them is split.
  plot.curves = {
      {"square", "curve-a", {{1e-5, 1e-10}, {1e-4, 1e-8}, {1e-2, 1e-4}, {1, 1}, {10, 100}}}};
  const std::vector<std::string> lines = Polylines(SvgPlot(plot));
  ASSERT_EQ(lines.size(), 1u);
  // Frame 72 .. 616 wide and 34 .. 344 high: x = 72 + 544 (log p + 4) / 4,
  // y = 34 + 310 (1 - (log y + 8) / 8).
  EXPECT_EQ(lines[0], "72.0,344.0 344.0,189.0 616.0,34.0");
}

TEST(SvgPlotTest, ALinearAxisAndPointsAPlotCannotShow) {
  Plot plot;
  plot.x = {"e", false, 10, 20};
  plot.y = {"probability", true, -4, 0};
  plot.curves = {{"c", "curve-a", {{10, 1e-2}, {15, 0.0}, {16, 1e-3}, {20, 1e-4}}}};
  // 0 cannot sit on a log scale: it splits the curve, and a run of one point is no line.
  EXPECT_EQ(Polylines(SvgPlot(plot)), std::vector<std::string>{"398.4,266.5 616.0,344.0"});
}

TEST(SvgPlotTest, LabelsAreEscaped) {
  Plot plot;
  plot.title = "a < b & \"c\"";
  plot.x = {"x", true, -1, 0};
  plot.y = {"y", true, -1, 0};
  plot.marks = {{0.5, 0.5, "<mark>", false}};
  const std::string svg = SvgPlot(plot);
  EXPECT_NE(svg.find("a &lt; b &amp; &quot;c&quot;"), std::string::npos);
  EXPECT_NE(svg.find("&lt;mark&gt;"), std::string::npos);
  EXPECT_EQ(svg.find("<mark>"), std::string::npos);
}

TEST(TimingDiagramTest, SpansAndDimensionsAreDrawnToScale) {
  TimingDiagram diagram;
  diagram.first = 0;
  diagram.last = 75;  // 76 clocks over 760 units: 10 a clock, edge e at 125 + 10 e
  diagram.signals = {{"clk", WaveKind::kClock, {}}, {"valid", WaveKind::kBit, {{10, 19, ""}}}};
  diagram.dimensions = {{1, 10, 30, "latency 20"}};
  diagram.markedEdges = {30};
  const std::string svg = SvgTimingDiagram(diagram);
  // valid rises half a clock before edge 10 and falls half a clock after edge 19.
  EXPECT_NE(svg.find("L220.0,84.0 L220.0,68.0 L320.0,68.0 L320.0,84.0"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">latency 20</text>"), std::string::npos);
  EXPECT_NE(svg.find("M225.0,"), std::string::npos);  // the arrow starts at edge 10
  EXPECT_NE(svg.find(">30</text>"), std::string::npos);
  // Wide clocks are drawn as a square wave: one rise per edge.
  EXPECT_EQ(std::count(svg.begin(), svg.end(), 'L') > 4 * 76, true);
}

TEST(XmlTextTest, RatesAndCoordinatesReadTheSameEverywhere) {
  EXPECT_EQ(RateText(0), "0");
  EXPECT_EQ(RateText(0.0123456), "0.0123");
  EXPECT_EQ(RateText(1.23456e-9), "1.23e-09");
  EXPECT_EQ(Coordinate(-0.04), "0.0");
  EXPECT_EQ(Coordinate(12.25), "12.3");
  EXPECT_EQ(XmlEscaped("a'b"), "a&#39;b");
}

}  // namespace
}  // namespace hdl
