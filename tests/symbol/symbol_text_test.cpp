#include "symbol/symbol_text.h"

#include <gtest/gtest.h>

#include "symbol/symbol_colors.h"
#include "symbol/text_measurer.h"

namespace {

using symbol::SymbolText;
using symbol::TextSize;

SymbolText Placed(int x, int y, int alignment, int vertical, TextSize size, int marginX = 1,
                  int marginY = 1) {
  return SymbolText(x, y, "text", symbol::kTeal, 7, alignment, vertical, "Arial", marginX, marginY,
                    0, 0, size);
}

struct PlacementCase {
  int x;
  int y;
  int alignment;
  int vertical;
  int anchorX;
  int anchorY;
};

class TextPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

// A 40 by 13 text with margins 1 and 1.
TEST_P(TextPlacementTest, AnchorFollowsAlignmentAndMargins) {
  const PlacementCase c = GetParam();
  const SymbolText t = Placed(c.x, c.y, c.alignment, c.vertical, {40, 13});
  EXPECT_EQ(t.anchorX, c.anchorX) << "alignment " << c.alignment << " vertical " << c.vertical;
  EXPECT_EQ(t.anchorY, c.anchorY) << "alignment " << c.alignment << " vertical " << c.vertical;
}

INSTANTIATE_TEST_SUITE_P(
    Alignments, TextPlacementTest,
    ::testing::Values(
        // Centred on the reference point.
        PlacementCase{50, 20, 4, 0, 30, 14},
        // Top-left corner 1 right of and 1 below it.
        PlacementCase{50, 20, 0, 0, 51, 21},
        // Bottom-right corner 1 left of and 1 above it.
        PlacementCase{50, 20, 8, 0, 10, 7},
        // Every column and row.
        PlacementCase{50, 20, 1, 0, 30, 21}, PlacementCase{50, 20, 2, 0, 10, 21},
        PlacementCase{50, 20, 3, 0, 51, 14}, PlacementCase{50, 20, 5, 0, 10, 14},
        PlacementCase{50, 20, 6, 0, 51, 7}, PlacementCase{50, 20, 7, 0, 30, 7},
        // Vertical texts swap the two offsets: the text runs upward from its anchor.
        PlacementCase{30, 100, 1, 1, 31, 120}, PlacementCase{30, 100, 0, 1, 31, 99},
        PlacementCase{30, 100, 8, 1, 17, 140}, PlacementCase{30, 100, 4, 1, 24, 120}));

TEST(SymbolTextTest, OddSizesTruncateWhenCentred) {
  const SymbolText t = Placed(50, 20, 4, 0, {41, 13});
  EXPECT_EQ(t.anchorX, 30);  // 41 / 2 = 20
  EXPECT_EQ(t.anchorY, 14);  // 13 / 2 = 6
}

TEST(SymbolTextTest, MarginsApplyOnlyToTheEdgesTheyName) {
  const SymbolText t = Placed(50, 20, 0, 0, {40, 13}, 4, 2);
  EXPECT_EQ(t.anchorX, 54);
  EXPECT_EQ(t.anchorY, 22);
  const SymbolText centred = Placed(50, 20, 4, 0, {40, 13}, 4, 2);
  EXPECT_EQ(centred.anchorX, 30);
  EXPECT_EQ(centred.anchorY, 14);
}

TEST(SymbolTextTest, KeepsItsFieldsAndMeasuredSize) {
  const SymbolText t(5, 6, "n = 5", symbol::kTeal, 7, 6, 0, "Arial", 1, 1, 92, 2, TextSize{30, 10});
  EXPECT_EQ(t.x, 5);
  EXPECT_EQ(t.y, 6);
  EXPECT_EQ(t.text, "n = 5");
  EXPECT_EQ(t.color, symbol::kTeal);
  EXPECT_EQ(t.pointSize, 7);
  EXPECT_EQ(t.alignment, 6);
  EXPECT_EQ(t.vertical, 0);
  EXPECT_EQ(t.fontName, "Arial");
  EXPECT_EQ(t.originX, 92);
  EXPECT_EQ(t.originY, 2);
  EXPECT_EQ(t.textWidth, 30);
  EXPECT_EQ(t.textHeight, 10);
}

TEST(SymbolTextTest, MeasuresWithTheTableWhenNoSizeIsGiven) {
  const SymbolText t(0, 0, "clock", symbol::kBlack, 8, 0, 0, "Arial", 0, 0, 0, 0);
  EXPECT_EQ(t.textWidth, 26);
  EXPECT_EQ(t.textHeight, 12);
  const SymbolText title(76, 1, "rs", symbol::kTeal, 10, 1, 0, "Arial", 1, 1, 0, 0);
  EXPECT_EQ(title.textWidth, symbol::TextMeasurer("Arial", 10).Width("rs"));
  EXPECT_EQ(title.textHeight, 15);
  EXPECT_EQ(title.anchorX, 76 - title.textWidth / 2);
  EXPECT_EQ(title.anchorY, 2);
}

}  // namespace
