#include "symbol/symbol_model.h"

#include <climits>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "symbol/symbol_colors.h"
#include "tests/support/fake_platform.h"

namespace {

using symbol::SymbolLine;
using symbol::SymbolModel;
using symbol::SymbolPin;
using symbol::SymbolText;
using symbol::TextSize;

TextSize FixedSize(std::string_view text, std::string_view, int pointSize) {
  return {static_cast<int>(6 * text.size()), pointSize == 8 ? 13 : 10};
}

std::unique_ptr<SymbolLine> Line(int x, int y, int dx, int dy, int thick = 0) {
  return std::make_unique<SymbolLine>(x, y, dx, dy, symbol::kBlack, thick, 0, platform::kPenSolid);
}

std::unique_ptr<SymbolText> Text(int x, int y, const std::string& text, int alignment,
                                 TextSize size, int vertical = 0, int pointSize = 7) {
  return std::make_unique<SymbolText>(x, y, text, symbol::kTeal, pointSize, alignment, vertical,
                                      "Arial", 1, 1, 0, 0, size);
}

// A left or right pin as the Reed-Solomon symbol makes them, with assumed label sizes.
std::unique_ptr<SymbolPin> Pin(int x, int y, int dx, const std::string& label, int direction,
                               int thick = 0) {
  return std::make_unique<SymbolPin>(x, y, dx, 0, label, label, thick, direction, dx > 0 ? 3 : 5, 1,
                                     0, 0, 0, 0, FixedSize);
}

std::string Written(const SymbolModel& model) {
  std::string out;
  model.WriteSymbol(out);
  return out;
}

TEST(SymbolModelTest, InitialState) {
  const SymbolModel model(200);
  EXPECT_EQ(model.originX, 8);
  EXPECT_EQ(model.originY, 8);
  EXPECT_EQ(model.boxWidth, 0);
  EXPECT_EQ(model.boxHeight, 0);
  EXPECT_EQ(model.panelWidth, 200);
  EXPECT_EQ(model.panelHeight, 228);
  EXPECT_TRUE(model.Texts().empty());
  EXPECT_EQ(Written(model), "");
}

TEST(SymbolModelTest, PanelWidthIsMeasuredFromTheWidestLabels) {
  // up8(78 + 8) + up8(71 + 8) + 48 + 16
  EXPECT_EQ(symbol::MeasuredPanelWidth(), 88 + 80 + 64);
  EXPECT_EQ(SymbolModel().panelWidth, 232);
}

TEST(SymbolModelTest, Up8RoundsUpToAMultipleOfEight) {
  EXPECT_EQ(symbol::Up8(0), 0);
  EXPECT_EQ(symbol::Up8(1), 8);
  EXPECT_EQ(symbol::Up8(53), 56);
  EXPECT_EQ(symbol::Up8(56), 56);
  EXPECT_EQ(symbol::Up8(57), 64);
  EXPECT_EQ(symbol::Up8(-3), 0);
  EXPECT_EQ(symbol::Up8(-8), -8);
  EXPECT_EQ(symbol::Up8(-9), -8);
}

TEST(SymbolModelTest, ResetPlacesTheBoxRightAndCentred) {
  SymbolModel model(200);
  model.Reset(100, 224);
  EXPECT_EQ(model.originX, 92);
  EXPECT_EQ(model.originY, 2);
  EXPECT_EQ(model.boxWidth, 100);
  EXPECT_EQ(model.boxHeight, 224);
  model.Reset(100, 100);
  EXPECT_EQ(model.originX, 92);
  EXPECT_EQ(model.originY, 64);
  model.Reset(100, 229);  // (228 - 229) / 2 truncates to 0
  EXPECT_EQ(model.originY, 0);
}

TEST(SymbolModelTest, ResetDeletesEveryPrimitive) {
  SymbolModel model(200);
  model.Reset(100, 224);
  ASSERT_TRUE(model.AddLine(Line(0, 0, 1, 1)));
  ASSERT_TRUE(model.AddText(Text(0, 0, "t", 0, {6, 10})));
  ASSERT_TRUE(model.AddPin(Pin(0, 32, 16, "a", 0)));
  ASSERT_TRUE(model.AddCircle(std::make_unique<symbol::SymbolCircle>(5, 5, 3)));
  ASSERT_TRUE(model.AddArc(std::make_unique<symbol::SymbolArc>(5, 5, 3, 1, 1, 2, 2)));
  model.Reset(0, 0);
  EXPECT_TRUE(model.Lines().empty());
  EXPECT_TRUE(model.Texts().empty());
  EXPECT_TRUE(model.Pins().empty());
  EXPECT_TRUE(model.Circles().empty());
  EXPECT_TRUE(model.Arcs().empty());
  EXPECT_EQ(Written(model), "");
}

TEST(SymbolModelTest, AddingGivesThePrimitiveTheModelsOrigin) {
  SymbolModel model(200);
  model.Reset(100, 100);
  model.AddLine(Line(0, 0, 1, 1));
  model.AddText(Text(0, 0, "t", 0, {6, 10}));
  auto pin = std::make_unique<SymbolPin>(0, 32, 16, 0, "d", "", 0, 0, 3, 1, 0, 0, 12, 0, FixedSize);
  model.AddPin(std::move(pin));
  EXPECT_EQ(model.Lines()[0]->originX, 92);
  EXPECT_EQ(model.Lines()[0]->originY, 64);
  EXPECT_EQ(model.Texts()[0]->originX, 92);
  const SymbolPin& added = *model.Pins()[0];
  EXPECT_EQ(added.originY, 64);
  EXPECT_EQ(added.stub.originX, 92);
  EXPECT_EQ(added.label.originY, 64);
  EXPECT_EQ(added.busMark->originX, 92);
  EXPECT_EQ(added.busWidthText->originY, 64);
}

TEST(SymbolModelTest, FullListsRefuseMore) {
  SymbolModel model(200);
  model.Reset(100, 224);
  for (std::size_t i = 0; i < symbol::kMaxLines; ++i) ASSERT_TRUE(model.AddLine(Line(0, 0, 1, 0)));
  EXPECT_FALSE(model.AddLine(Line(0, 0, 1, 0)));
  for (std::size_t i = 0; i < symbol::kMaxCircles; ++i) {
    ASSERT_TRUE(model.AddCircle(std::make_unique<symbol::SymbolCircle>(1, 1, 1)));
  }
  EXPECT_FALSE(model.AddCircle(std::make_unique<symbol::SymbolCircle>(1, 1, 1)));
  for (std::size_t i = 0; i < symbol::kMaxArcs; ++i) {
    ASSERT_TRUE(model.AddArc(std::make_unique<symbol::SymbolArc>(1, 1, 1, 0, 0, 0, 0)));
  }
  EXPECT_FALSE(model.AddArc(std::make_unique<symbol::SymbolArc>(1, 1, 1, 0, 0, 0, 0)));
  for (std::size_t i = 0; i < symbol::kMaxTexts; ++i) {
    ASSERT_TRUE(model.AddText(Text(0, 0, "t", 0, {6, 10})));
  }
  EXPECT_FALSE(model.AddText(Text(0, 0, "t", 0, {6, 10})));
  for (std::size_t i = 0; i < symbol::kMaxPins; ++i)
    ASSERT_TRUE(model.AddPin(Pin(0, 0, 16, "p", 0)));
  EXPECT_FALSE(model.AddPin(Pin(0, 0, 16, "p", 0)));

  EXPECT_EQ(model.Lines().size(), 100u);
  EXPECT_EQ(model.Circles().size(), 20u);
  EXPECT_EQ(model.Arcs().size(), 20u);
  EXPECT_EQ(model.Texts().size(), 300u);
  EXPECT_EQ(model.Pins().size(), 300u);

  // After a reset the lists take primitives again.
  model.Reset(100, 224);
  EXPECT_TRUE(model.AddLine(Line(0, 0, 1, 0)));
}

TEST(SymbolModelTest, NoPrimitiveIsRefused) {
  SymbolModel model(200);
  EXPECT_FALSE(model.AddLine(nullptr));
  EXPECT_FALSE(model.AddText(nullptr));
  EXPECT_FALSE(model.AddPin(nullptr));
  EXPECT_FALSE(model.AddCircle(nullptr));
  EXPECT_FALSE(model.AddArc(nullptr));
}

TEST(WriteSymbolTest, LineYIsFlippedToTheBoxBottom) {
  SymbolModel model(200);
  model.Reset(100, 224);
  model.AddLine(Line(0, 48, 16, 0));
  model.AddLine(Line(16, 16, 0, 192, 1));
  EXPECT_EQ(Written(model),
            "SYMBOL: LINE 0 176 16 176 SOLID THIN\n"
            "SYMBOL: LINE 16 208 16 16 SOLID THICK\n");
}

TEST(WriteSymbolTest, ColourDotAndPenStyleAreNotWritten) {
  SymbolModel model(200);
  model.Reset(100, 224);
  model.AddLine(std::make_unique<SymbolLine>(0, 48, 16, 0, symbol::kBlue, 0, 1, 2));
  EXPECT_EQ(Written(model), "SYMBOL: LINE 0 176 16 176 SOLID THIN\n");
}

TEST(WriteSymbolTest, FirstTextIsTheBoxTitleAndIsNotWritten) {
  SymbolModel model(200);
  model.Reset(100, 224);
  // Centred at (50, 20), 40 by 13: anchor (30, 14), bottom edge at 224 - 14 - 13 = 197.
  model.AddText(Text(50, 20, "title", 4, {40, 13}, 0, 10));
  model.AddText(Text(50, 20, "n = 5", 4, {40, 13}));
  EXPECT_EQ(Written(model),
            "SYMBOL: BOX 100 224 30 197 Arial,10\n"
            "SYMBOL: TEXT \"n = 5\" 30 197 HORIZ Arial,7\n");
}

TEST(WriteSymbolTest, VerticalTextIsWrittenFromItsAnchor) {
  SymbolModel model(200);
  model.Reset(100, 224);
  model.AddText(Text(0, 0, "title", 0, {30, 15}));
  // Anchor (31, 120): written y 224 - 120.
  model.AddText(Text(30, 100, "up", 1, {40, 13}, 1));
  EXPECT_EQ(Written(model),
            "SYMBOL: BOX 100 224 1 208 Arial,7\n"
            "SYMBOL: TEXT \"up\" 31 104 VERT Arial,7\n");
}

TEST(WriteSymbolTest, WithoutTextsThereIsNoBoxLine) {
  SymbolModel model(200);
  model.Reset(100, 224);
  model.AddLine(Line(0, 48, 16, 0));
  model.AddPin(Pin(0, 48, 16, "sysclk", symbol::kPinIn));
  EXPECT_EQ(Written(model),
            "SYMBOL: LINE 0 176 16 176 SOLID THIN\n"
            "SYMBOL: PINSTUB 0 176 IN sysclk 20 169 \"sysclk\" HORIZ Arial,8\n"
            "SYMBOL: LINE 0 176 16 176 SOLID THIN\n");
}

TEST(WriteSymbolTest, PinDirectionsAndNames) {
  SymbolModel model(200);
  model.Reset(152, 224);
  model.AddPin(Pin(152, 32, -16, "rsout", symbol::kPinOut, 1));
  model.AddPin(
      std::make_unique<SymbolPin>(0, 64, 16, 0, "io", "", 0, 5, 3, 1, 0, 0, 0, 0, FixedSize));
  // rsout: label anchor 136 - (4 + 30 - 1) = 103, 32 - 6 = 26; written y 224 - 13 - 26.
  // io: label anchor (20, 58); written y 224 - 13 - 58.
  EXPECT_EQ(Written(model),
            "SYMBOL: PINSTUB 152 192 OUT rsout 103 185 \"rsout\" HORIZ Arial,8\n"
            "SYMBOL: LINE 152 192 136 192 SOLID THICK\n"
            "SYMBOL: PINSTUB 0 160 BIDIR io 20 153 \"io\" HORIZ Arial,8\n"
            "SYMBOL: LINE 0 160 16 160 SOLID THIN\n");
}

TEST(WriteSymbolTest, EdgeMarkIsAnArrowSixPastTheStubsEnd) {
  SymbolModel model(200);
  model.Reset(100, 224);
  // Label at the end, 6 further out: reference (22, 48), anchor (26, 42).
  model.AddPin(
      std::make_unique<SymbolPin>(0, 48, 16, 0, "clk", "", 0, 0, 3, 1, 0, 1, 0, 0, FixedSize));
  EXPECT_EQ(Written(model),
            "SYMBOL: PINSTUB 0 176 IN clk 26 169 \"clk\" HORIZ Arial,8\n"
            "SYMBOL: LINE 0 176 16 176 SOLID THIN\n"
            "SYMBOL: LINE 16 182 22 176 SOLID THIN\n"
            "SYMBOL: LINE 22 176 16 170 SOLID THIN\n");
}

TEST(WriteSymbolTest, BusPartsComeBeforeTheirPin) {
  SymbolModel model(200);
  model.Reset(100, 224);
  // Bus width 12: bx = 0 + 8 - 4 = 4; slash from (0, 36) by (8, -8); text anchor (5, 33).
  model.AddPin(
      std::make_unique<SymbolPin>(0, 32, 16, 0, "d", "", 1, 0, 3, 1, 0, 0, 12, 0, FixedSize));
  EXPECT_EQ(Written(model),
            "SYMBOL: LINE 0 188 8 196 SOLID THIN\n"
            "SYMBOL: TEXT \"12\" 5 181 HORIZ Arial,7\n"
            "SYMBOL: PINSTUB 0 192 IN d 20 185 \"d\" HORIZ Arial,8\n"
            "SYMBOL: LINE 0 192 16 192 SOLID THICK\n");
}

TEST(WriteSymbolTest, VerticalPinLabel) {
  SymbolModel model(200);
  model.Reset(100, 224);
  // Vertical, alignment 3, reference (16, 48), 6 by 13: vy = 6, hx = -4: anchor (10, 44).
  model.AddPin(
      std::make_unique<SymbolPin>(0, 48, 16, 0, "v", "", 0, 0, 3, 1, 1, 0, 0, 0, FixedSize));
  EXPECT_EQ(Written(model),
            "SYMBOL: PINSTUB 0 176 IN v 10 180 \"v\" VERT Arial,8\n"
            "SYMBOL: LINE 0 176 16 176 SOLID THIN\n");
}

TEST(WriteSymbolTest, CirclesAndArcs) {
  SymbolModel model(200);
  model.Reset(100, 224);
  model.AddCircle(std::make_unique<symbol::SymbolCircle>(10, 20, 5));
  model.AddArc(std::make_unique<symbol::SymbolArc>(10, 20, 5, 15, 20, 10, 15));
  EXPECT_EQ(Written(model),
            "SYMBOL: CIRCLE 10 204 5 FALSE\n"
            "SYMBOL: ARC 10 204 15 204 10 209 5\n");
}

TEST(WriteSymbolTest, AppendsToWhatIsThere) {
  SymbolModel model(200);
  model.Reset(100, 224);
  model.AddLine(Line(0, 48, 16, 0));
  std::string out = "END\n";
  model.WriteSymbol(out);
  EXPECT_EQ(out, "END\nSYMBOL: LINE 0 176 16 176 SOLID THIN\n");
}

TEST(WriteSymbolTest, ExtremeCoordinatesDoNotOverflow) {
  SymbolModel model(200);
  model.Reset(0, INT_MAX);
  model.AddLine(Line(INT_MAX, INT_MIN, INT_MAX, INT_MIN));
  EXPECT_EQ(Written(model),
            "SYMBOL: LINE 2147483647 4294967295 4294967294 6442450943 SOLID THIN\n");
}

// Every kind of line, in the order the groups are written, with the real measurer.
TEST(WriteSymbolTest, SmallSymbolGolden) {
  SymbolModel model;
  model.Reset(120, 224);
  const platform::Color teal = symbol::kTeal;
  model.AddText(std::make_unique<SymbolText>(60, 1, "demo", teal, 10, 1, 0, "Arial", 1, 1, 0, 0));
  model.AddText(
      std::make_unique<SymbolText>(60, 204, "encoder", teal, 10, 1, 0, "Arial", 1, 1, 0, 0));
  model.AddText(
      std::make_unique<SymbolText>(20, 176, "irrpol = 19", teal, 7, 6, 0, "Arial", 1, 1, 0, 0));
  model.AddText(std::make_unique<SymbolText>(100, 120, "side", teal, 7, 4, 1, "Arial", 1, 1, 0, 0));
  model.AddLine(Line(16, 16, 0, 192));
  model.AddLine(Line(104, 16, 0, 192));
  model.AddLine(Line(16, 16, 88, 0));
  model.AddLine(Line(16, 208, 88, 0));
  model.AddCircle(std::make_unique<symbol::SymbolCircle>(60, 100, 6));
  model.AddArc(std::make_unique<symbol::SymbolArc>(60, 100, 6, 66, 100, 60, 94));
  model.AddPin(std::make_unique<SymbolPin>(120, 32, -16, 0, "rsout[4..1]", "rsout[4..1]", 1, 1, 5,
                                           1, 0, 0, 0, 0));
  model.AddPin(std::make_unique<SymbolPin>(0, 32, 16, 0, "rsin[4..1]", "", 1, 0, 3, 1, 0, 0, 4, 0));
  model.AddPin(std::make_unique<SymbolPin>(0, 48, 16, 0, "sysclk", "", 0, 0, 3, 1, 0, 1, 0, 0));
  model.AddPin(std::make_unique<SymbolPin>(0, 64, 16, 0, "-", "spare", 0, 2, 3, 1, 0, 0, -1, 20));
  EXPECT_TRUE(testsupport::MatchesGolden("symbol/small_symbol.txt", Written(model)));
}

}  // namespace
