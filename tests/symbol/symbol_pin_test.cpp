#include "symbol/symbol_pin.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "symbol/symbol_colors.h"

namespace {

using symbol::SymbolPin;
using symbol::TextSize;

// Every character 6 pixels wide; 8 point cells 13 high, 7 point ones 10.
TextSize FixedSize(std::string_view text, std::string_view, int pointSize) {
  return {static_cast<int>(6 * text.size()), pointSize == 8 ? 13 : 10};
}

SymbolPin MakePin(int x, int y, int dx, const std::string& label, const std::string& name,
                  int direction, int labelAlignment, int labelAtEnd, int edgeMark, int busWidth,
                  int busTextX) {
  return SymbolPin(x, y, dx, 0, label, name, 0, direction, labelAlignment, labelAtEnd, 0, edgeMark,
                   busWidth, busTextX, FixedSize);
}

TEST(SymbolPinTest, StubIsABlackSolidLineOfThePinsThickness) {
  const SymbolPin pin(0, 32, 16, 0, "rsin[4..1]", "rsin[4..1]", 1, symbol::kPinIn, 3, 1, 0, 0, 0, 0,
                      FixedSize);
  EXPECT_EQ(pin.stub.x, 0);
  EXPECT_EQ(pin.stub.y, 32);
  EXPECT_EQ(pin.stub.dx, 16);
  EXPECT_EQ(pin.stub.dy, 0);
  EXPECT_EQ(pin.stub.thick, 1);
  EXPECT_EQ(pin.stub.dot, 0);
  EXPECT_EQ(pin.stub.penStyle, platform::kPenSolid);
  EXPECT_EQ(pin.stub.color, symbol::kBlack);
}

TEST(SymbolPinTest, LabelAtEndStartsFourPixelsPastTheInnerEnd) {
  const SymbolPin pin = MakePin(0, 48, 16, "sysclk", "sysclk", symbol::kPinIn, 3, 1, 0, 0, 0);
  EXPECT_EQ(pin.label.x, 16);
  EXPECT_EQ(pin.label.y, 48);
  EXPECT_EQ(pin.label.anchorX, 20);      // margin 4
  EXPECT_EQ(pin.label.anchorY, 48 - 6);  // centred: 13 / 2
  EXPECT_EQ(pin.label.pointSize, 8);
  EXPECT_EQ(pin.label.fontName, "Arial");
  EXPECT_EQ(pin.label.color, symbol::kBlack);
  EXPECT_EQ(pin.label.textWidth, 36);
}

TEST(SymbolPinTest, RightPinLabelEndsFourPixelsBeforeTheInnerEnd) {
  const SymbolPin pin = MakePin(152, 32, -16, "rsout", "rsout", symbol::kPinOut, 5, 1, 0, 0, 0);
  EXPECT_EQ(pin.label.x, 136);
  EXPECT_EQ(pin.label.anchorX, 136 - (4 + 30 - 1));
}

TEST(SymbolPinTest, LabelAtStartStandsOnThePinPoint) {
  const SymbolPin pin = MakePin(0, 48, 16, "a", "a", symbol::kPinIn, 0, 0, 1, 0, 0);
  EXPECT_EQ(pin.label.x, 0);
  EXPECT_EQ(pin.label.y, 48);
  EXPECT_EQ(pin.label.anchorX, 4);
  EXPECT_EQ(pin.label.anchorY, 49);
}

TEST(SymbolPinTest, EdgeMarkMovesALabelAtTheEndSixFurther) {
  const SymbolPin pin = MakePin(0, 48, 16, "clk", "clk", symbol::kPinIn, 3, 1, 1, 0, 0);
  EXPECT_EQ(pin.label.x, 22);
  EXPECT_EQ(pin.edgeMark, 1);
}

TEST(SymbolPinTest, VerticalLabelKeepsItsFlag) {
  const SymbolPin pin(0, 48, 16, 0, "d", "d", 0, symbol::kPinIn, 3, 1, 1, 0, 0, 0, FixedSize);
  EXPECT_TRUE(pin.label.IsVertical());
}

TEST(SymbolPinTest, EmptyNameTakesTheLabelText) {
  EXPECT_EQ(MakePin(0, 48, 16, "dsin", "", 0, 3, 1, 0, 0, 0).pinName, "dsin");
  EXPECT_EQ(MakePin(0, 48, 16, "dsin", "DS", 0, 3, 1, 0, 0, 0).pinName, "DS");
}

TEST(SymbolPinTest, DirectionNames) {
  EXPECT_STREQ(MakePin(0, 0, 16, "a", "", 0, 3, 1, 0, 0, 0).DirectionName(), "IN");
  EXPECT_STREQ(MakePin(0, 0, 16, "a", "", 1, 3, 1, 0, 0, 0).DirectionName(), "OUT");
  EXPECT_STREQ(MakePin(0, 0, 16, "a", "", 5, 3, 1, 0, 0, 0).DirectionName(), "BIDIR");
  EXPECT_STREQ(MakePin(0, 0, 16, "a", "", -1, 3, 1, 0, 0, 0).DirectionName(), "BIDIR");
}

TEST(SymbolPinTest, NoBusWidthMeansNoBusParts) {
  const SymbolPin pin = MakePin(0, 32, 16, "a", "", 0, 3, 1, 0, 0, 0);
  EXPECT_EQ(pin.busMark, nullptr);
  EXPECT_EQ(pin.busWidthText, nullptr);
}

struct BusCase {
  int x;
  int dx;
  int busWidth;
  int busTextX;
  int markX;  // the slash's start x: bx - 4
  bool hasText;
};

class BusMarkTest : public ::testing::TestWithParam<BusCase> {};

TEST_P(BusMarkTest, SlashAndWidthText) {
  const BusCase c = GetParam();
  const SymbolPin pin = MakePin(c.x, 32, c.dx, "d", "", 0, 3, 1, 0, c.busWidth, c.busTextX);
  ASSERT_NE(pin.busMark, nullptr);
  EXPECT_EQ(pin.busMark->x, c.markX);
  EXPECT_EQ(pin.busMark->y, 36);
  EXPECT_EQ(pin.busMark->dx, 8);
  EXPECT_EQ(pin.busMark->dy, -8);
  EXPECT_EQ(pin.busMark->thick, 0);
  EXPECT_EQ(pin.busMark->color, symbol::kTeal);
  if (!c.hasText) {
    EXPECT_EQ(pin.busWidthText, nullptr);
    return;
  }
  ASSERT_NE(pin.busWidthText, nullptr);
  EXPECT_EQ(pin.busWidthText->text, std::to_string(c.busWidth));
  EXPECT_EQ(pin.busWidthText->x, c.markX + 4);
  EXPECT_EQ(pin.busWidthText->y, 32);
  EXPECT_EQ(pin.busWidthText->pointSize, 7);
  EXPECT_EQ(pin.busWidthText->alignment, 0);
  EXPECT_EQ(pin.busWidthText->color, symbol::kTeal);
  EXPECT_EQ(pin.busWidthText->anchorX, c.markX + 4 + 1);
  EXPECT_EQ(pin.busWidthText->anchorY, 33);
}

INSTANTIATE_TEST_SUITE_P(Widths, BusMarkTest,
                         ::testing::Values(
                             // Below 10: bx = x + dx / 2 - 2.
                             BusCase{0, 16, 8, 0, 2, true},
                             // 10 and above: bx = x + dx / 2 - 4.
                             BusCase{0, 16, 10, 0, 0, true},
                             // dx / 2 truncates toward zero.
                             BusCase{152, -15, 4, 0, 152 - 7 - 2 - 4, true},
                             // A given text position wins.
                             BusCase{0, 16, 8, 30, 26, true},
                             // A negative width draws the slash without a number.
                             BusCase{0, 16, -3, 0, 2, false}));

TEST(SymbolPinTest, SetOriginReachesEveryPart) {
  SymbolPin pin = MakePin(0, 32, 16, "d", "", 0, 3, 1, 0, 12, 0);
  pin.SetOrigin(40, 2);
  EXPECT_EQ(pin.originX, 40);
  EXPECT_EQ(pin.stub.originX, 40);
  EXPECT_EQ(pin.label.originX, 40);
  EXPECT_EQ(pin.busMark->originX, 40);
  EXPECT_EQ(pin.busWidthText->originX, 40);
  EXPECT_EQ(pin.busWidthText->originY, 2);
}

TEST(SymbolPinTest, CrossOnlyForARealLabel) {
  EXPECT_TRUE(MakePin(0, 32, 16, "rsin", "", 0, 3, 1, 0, 0, 0).HasCross());
  EXPECT_FALSE(MakePin(0, 32, 16, "-", "", 0, 3, 1, 0, 0, 0).HasCross());
  EXPECT_FALSE(MakePin(0, 32, 16, "", "", 0, 3, 1, 0, 0, 0).HasCross());
  EXPECT_TRUE(MakePin(0, 32, 16, "--", "", 0, 3, 1, 0, 0, 0).HasCross());
}

TEST(SymbolPinTest, RealMeasurerIsTheDefault) {
  const SymbolPin pin(0, 48, 16, 0, "sysclk", "sysclk", 0, 0, 3, 1, 0, 0, 0, 0);
  EXPECT_EQ(pin.label.textWidth, symbol::TextMeasurer("Arial", 8).Width("sysclk"));
  EXPECT_EQ(pin.label.textHeight, 12);
  EXPECT_EQ(pin.label.anchorY, 42);
}

}  // namespace
