#include "symbol/make_font_description.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace {

using symbol::MakeFontDescription;

struct HeightCase {
  int pointSize;
  int logPixelsY;
  int height;
};

class FontHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FontHeightTest, HeightIsNegatedRoundedPixelSize) {
  const HeightCase c = GetParam();
  EXPECT_EQ(MakeFontDescription(c.pointSize, 0, "Arial", c.logPixelsY).height, c.height);
}

// -((points * dpi + 36) / 72), truncating.
INSTANTIATE_TEST_SUITE_P(Sizes, FontHeightTest,
                         ::testing::Values(HeightCase{7, 96, -9}, HeightCase{8, 96, -11},
                                           HeightCase{10, 96, -13}, HeightCase{12, 96, -16},
                                           HeightCase{8, 120, -13}, HeightCase{1, 96, -1},
                                           HeightCase{0, 96, 0}));

TEST(MakeFontDescriptionTest, DefaultResolutionIsTheDisplays) {
  EXPECT_EQ(MakeFontDescription(8, 0, "Arial").height, -11);
}

TEST(MakeFontDescriptionTest, HorizontalFontFields) {
  const platform::FontDescription f = MakeFontDescription(8, 0, "Arial", 96);
  EXPECT_EQ(f.width, 0);
  EXPECT_EQ(f.escapement, 0);
  EXPECT_EQ(f.orientation, 0);
  EXPECT_EQ(f.weight, 0);
  EXPECT_FALSE(f.italic);
  EXPECT_FALSE(f.underline);
  EXPECT_FALSE(f.strikeOut);
  EXPECT_EQ(f.charSet, 0);
  EXPECT_EQ(f.outPrecision, 2);
  EXPECT_EQ(f.clipPrecision, 1);
  EXPECT_EQ(f.quality, 2);
  EXPECT_EQ(f.pitchAndFamily, 0x30);
  EXPECT_EQ(f.faceName, "Arial");
}

TEST(MakeFontDescriptionTest, VerticalTurnsByNinetyDegrees) {
  const platform::FontDescription f = MakeFontDescription(10, 1, "Arial", 96);
  EXPECT_EQ(f.escapement, 900);
  EXPECT_EQ(f.orientation, 900);
  EXPECT_EQ(f.height, -13);
}

TEST(MakeFontDescriptionTest, FaceNameIsCutToThirtyOneCharacters) {
  const std::string longName(40, 'F');
  EXPECT_EQ(MakeFontDescription(8, 0, longName, 96).faceName, std::string(31, 'F'));
  EXPECT_EQ(MakeFontDescription(8, 0, std::string(31, 'G'), 96).faceName, std::string(31, 'G'));
  EXPECT_EQ(MakeFontDescription(8, 0, "", 96).faceName, "");
}

TEST(MakeFontDescriptionTest, HugePointSizeDoesNotOverflow) {
  EXPECT_LT(MakeFontDescription(INT_MAX, 0, "Arial", 96).height, 0);
  EXPECT_GT(MakeFontDescription(INT_MIN, 0, "Arial", 96).height, 0);
}

}  // namespace
