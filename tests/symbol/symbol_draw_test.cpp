#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "symbol/symbol_colors.h"
#include "symbol/symbol_model.h"
#include "symbol/symbol_panel_paint.h"
#include "tests/symbol/recording_draw_context.h"

namespace {

using symbol::SymbolLine;
using symbol::SymbolModel;
using symbol::SymbolPin;
using symbol::SymbolText;
using symbol::TextSize;
using symboltest::RecordingDrawContext;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

TextSize FixedSize(std::string_view text, std::string_view, int pointSize) {
  return {static_cast<int>(6 * text.size()), pointSize == 8 ? 13 : 10};
}

std::unique_ptr<SymbolPin> Pin(int x, int y, int dx, const std::string& label, int edgeMark = 0,
                               int busWidth = 0) {
  return std::make_unique<SymbolPin>(x, y, dx, 0, label, label, 0, 0, dx > 0 ? 3 : 5, 1, 0,
                                     edgeMark, busWidth, 0, FixedSize);
}

// A 100 by 100 box in a panel 200 wide: origin (92, 64), the shadow from (100, 72) to
// (200, 172).
class SmallModel : public SymbolModel {
 public:
  SmallModel() : SymbolModel(200) { Reset(100, 100); }
};

TEST(PaintSymbolPanelTest, PaintsPanelThenSymbolInOrder) {
  SymbolModel model(200);
  model.Reset(100, 100);
  model.AddText(std::make_unique<SymbolText>(50, 1, "t", symbol::kTeal, 10, 1, 0, "Arial", 1, 1, 0,
                                             0, TextSize{6, 13}));
  model.AddLine(
      std::make_unique<SymbolLine>(16, 16, 0, 68, symbol::kBlack, 1, 0, platform::kPenSolid));
  model.AddPin(Pin(0, 32, 16, "a"));

  RecordingDrawContext dc;
  symbol::PaintSymbolPanel(dc, {0, 0, 200, 228}, model);

  EXPECT_THAT(
      dc.calls,
      ElementsAre(
          // The drawing area, the strip and its two edge lines.
          "fill 0,0,175,228 192,220,192", "fill 175,0,200,228 240,240,240",
          "line 175,0 175,228 128,128,128 w1 s0", "line 176,0 176,228 255,251,240 w1 s0",
          // The shadow reaches past the edge line: split there, each part on its own colour.
          "text-color 128,128,128", "background 192,220,192",
          "halftone 100,72,175,172 128,128,128/192,220,192", "background 240,240,240",
          "halftone 175,72,200,172 128,128,128/240,240,240", "line 175,0 175,228 128,128,128 w1 s0",
          // The box, the title on white, the teal outline.
          "fill 92,64,192,164 255,255,255", "text-color 0,128,128",
          "text 139,66 \"t\" Arial h-13 e0 0,128,128/255,255,255",
          "line 92,64 192,64 0,128,128 w1 s0", "line 192,64 192,164 0,128,128 w1 s0",
          "line 192,164 92,164 0,128,128 w1 s0", "line 92,164 92,64 0,128,128 w1 s0",
          // A thick line, then the pin: label, stub, blue cross on the stub's start.
          "line 108,80 108,148 0,0,0 w2 s0", "text-color 0,0,0",
          "text 112,90 \"a\" Arial h-11 e0 0,0,0/255,255,255", "line 92,96 108,96 0,0,0 w1 s0",
          "line 88,92 96,100 0,0,255 w1 s0", "line 88,100 96,92 0,0,255 w1 s0"));
}

TEST(PaintSymbolPanelTest, NarrowPanelKeepsItsAreaEmptyNotInverted) {
  SymbolModel model(10);
  model.Reset(0, 0);
  RecordingDrawContext dc;
  symbol::PaintSymbolPanel(dc, {0, 0, 10, 100}, model);
  EXPECT_EQ(dc.drawn[0], "fill 0,0,0,100 192,220,192");
  EXPECT_EQ(dc.drawn[1], "fill 0,0,10,100 240,240,240");
}

TEST(DrawSymbolTest, ShadowLeftOfTheEdgeAlternatesWithTheButtonFace) {
  const SmallModel model;
  RecordingDrawContext dc;
  // As the panel's paint leaves it: the strip's fill was last.
  dc.FillSolid({175, 0, 200, 228}, symbol::kButtonFace);
  dc.calls.clear();
  dc.drawn.clear();
  model.DrawSymbol(dc, {0, 0, 200, 228});  // the shadow ends exactly at R

  EXPECT_EQ(dc.calls[0], "text-color 128,128,128");
  EXPECT_EQ(dc.calls[1], "halftone 100,72,200,172 128,128,128/240,240,240");
  EXPECT_EQ(dc.calls[2], "fill 92,64,192,164 255,255,255");
  // The line at R is not drawn again.
  EXPECT_THAT(dc.DrawnStartingWith("line 200,"), IsEmpty());
  EXPECT_EQ(dc.DrawnStartingWith("halftone").size(), 1u);
  EXPECT_EQ(dc.BackgroundColor(), symbol::kWhite);
}

TEST(DrawSymbolTest, ShadowPastTheEdgeIsSplitAndTheLineRedrawn) {
  const SmallModel model;
  RecordingDrawContext dc;
  dc.SetBackgroundColor(symbol::kButtonFace);
  dc.calls.clear();
  model.DrawSymbol(dc, {0, 0, 199, 228});  // one pixel short

  EXPECT_THAT(
      std::vector<std::string>(dc.calls.begin(), dc.calls.begin() + 7),
      ElementsAre("text-color 128,128,128", "background 192,220,192",
                  "halftone 100,72,199,172 128,128,128/192,220,192", "background 240,240,240",
                  "halftone 199,72,200,172 128,128,128/240,240,240",
                  "line 199,0 199,228 128,128,128 w1 s0", "fill 92,64,192,164 255,255,255"));
}

TEST(DrawSymbolTest, ShadowWhollyRightOfTheEdgeHasNoEmptyPart) {
  const SmallModel model;
  RecordingDrawContext dc;
  dc.SetBackgroundColor(symbol::kButtonFace);
  model.DrawSymbol(dc, {0, 0, 50, 228});
  EXPECT_THAT(dc.DrawnStartingWith("halftone"),
              ElementsAre("halftone 100,72,200,172 128,128,128/240,240,240"));
  EXPECT_THAT(dc.DrawnStartingWith("line 50,0"), ElementsAre("line 50,0 50,228 128,128,128 w1 s0"));
}

TEST(DrawSymbolTest, GroupsAreDrawnTextsOutlineCirclesArcsLinesPins) {
  SmallModel model;
  // Added in another order than they are drawn.
  model.AddPin(Pin(0, 32, 16, "p"));
  model.AddLine(
      std::make_unique<SymbolLine>(1, 2, 3, 0, symbol::kBlack, 0, 0, platform::kPenSolid));
  model.AddArc(std::make_unique<symbol::SymbolArc>(10, 10, 5, 15, 10, 10, 5));
  model.AddCircle(std::make_unique<symbol::SymbolCircle>(10, 10, 5));
  model.AddText(std::make_unique<SymbolText>(0, 0, "title", symbol::kTeal, 10, 0, 0, "Arial", 1, 1,
                                             0, 0, TextSize{30, 15}));
  model.AddText(std::make_unique<SymbolText>(0, 20, "second", symbol::kTeal, 7, 0, 0, "Arial", 1, 1,
                                             0, 0, TextSize{30, 10}));

  RecordingDrawContext dc;
  model.DrawSymbol(dc, {0, 0, 200, 228});
  // Skip the shadow and the box fill.
  const std::vector<std::string> rest(dc.drawn.begin() + 2, dc.drawn.end());
  EXPECT_THAT(
      rest, ElementsAre("text 93,65 \"title\" Arial h-13 e0 0,128,128/255,255,255",
                        "text 93,85 \"second\" Arial h-9 e0 0,128,128/255,255,255",
                        "line 92,64 192,64 0,128,128 w1 s0", "line 192,64 192,164 0,128,128 w1 s0",
                        "line 192,164 92,164 0,128,128 w1 s0", "line 92,164 92,64 0,128,128 w1 s0",
                        "ellipse 97,69,107,79 0,0,0 w1",  // the circle; the arc draws nothing
                        "line 93,66 96,66 0,0,0 w1 s0",
                        "text 112,90 \"p\" Arial h-11 e0 0,0,0/255,255,255",
                        "line 92,96 108,96 0,0,0 w1 s0", "line 88,92 96,100 0,0,255 w1 s0",
                        "line 88,100 96,92 0,0,255 w1 s0"));
}

TEST(DrawSymbolTest, NoCrossForADashOrEmptyLabel) {
  for (const std::string label : {"-", ""}) {
    SmallModel model;
    model.AddPin(Pin(0, 32, 16, label));
    RecordingDrawContext dc;
    model.DrawSymbol(dc, {0, 0, 200, 228});
    EXPECT_THAT(dc.DrawnStartingWith("line"),
                ::testing::Not(::testing::Contains(::testing::HasSubstr("0,0,255"))))
        << "label \"" << label << "\"";
  }
}

TEST(DrawLineTest, DotIsASmallEllipseWithTheLinesPen) {
  SymbolLine line(10, 20, 5, 0, symbol::kBlue, 1, 1, 2);
  line.SetOrigin(100, 200);
  RecordingDrawContext dc;
  line.Draw(dc);
  EXPECT_THAT(dc.drawn, ElementsAre("line 110,220 115,220 0,0,255 w2 s2",
                                    "ellipse 109,219,111,221 0,0,255 w2"));
}

TEST(DrawLineTest, OnlyThickOneIsTwoPixelsWide) {
  for (int thick : {0, 2, -1}) {
    SymbolLine line(0, 0, 5, 0, symbol::kBlack, thick, 0, platform::kPenSolid);
    RecordingDrawContext dc;
    line.Draw(dc);
    EXPECT_THAT(dc.drawn, ElementsAre("line 0,0 5,0 0,0,0 w1 s0")) << thick;
  }
}

TEST(DrawTextTest, VerticalTextUsesTheTurnedFont) {
  SymbolText text(30, 100, "up", symbol::kTeal, 7, 1, 1, "Arial", 1, 1, 10, 20, TextSize{40, 13});
  RecordingDrawContext dc;
  text.Draw(dc);
  EXPECT_THAT(dc.calls, ElementsAre("text-color 0,128,128",
                                    "text 41,140 \"up\" Arial h-9 e900 0,128,128/255,255,255"));
}

TEST(DrawPinTest, EdgeMarkAndBusParts) {
  SmallModel model;
  model.AddPin(Pin(0, 32, 16, "d", 1, 12));
  RecordingDrawContext dc;
  model.DrawSymbol(dc, {0, 0, 200, 228});
  const std::vector<std::string> pinCalls(dc.drawn.end() - 8, dc.drawn.end());
  // Label 6 further out for the edge mark; bus slash and width in teal; the ">" at the
  // stub's end at (108, 96); the cross.
  EXPECT_THAT(pinCalls,
              ElementsAre("text 118,90 \"d\" Arial h-11 e0 0,0,0/255,255,255",
                          "line 92,96 108,96 0,0,0 w1 s0", "line 92,100 100,92 0,128,128 w1 s0",
                          "text 97,97 \"12\" Arial h-9 e0 0,128,128/255,255,255",
                          "line 108,90 114,96 0,0,0 w1 s0", "line 114,96 108,102 0,0,0 w1 s0",
                          "line 88,92 96,100 0,0,255 w1 s0", "line 88,100 96,92 0,0,255 w1 s0"));
}

}  // namespace
