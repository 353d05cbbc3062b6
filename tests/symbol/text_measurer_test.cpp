#include "symbol/text_measurer.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "symbol/font_metrics_table.h"

namespace {

using symbol::TextMeasurer;
namespace fm = symbol::font_metrics;

struct WidthCase {
  const char* text;
  int pointSize;
  int width;
};

class MeasuredWidthTest : public ::testing::TestWithParam<WidthCase> {};

// The numbers the symbol's layout is built from; they must never change between machines or
// runs (a change here changes every generated description).
TEST_P(MeasuredWidthTest, IsStable) {
  const WidthCase c = GetParam();
  EXPECT_EQ(TextMeasurer("Arial", c.pointSize).Width(c.text), c.width) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Golden, MeasuredWidthTest,
    ::testing::Values(WidthCase{"RS_input [8..0]", 8, 71}, WidthCase{"RS_output [8..0]", 8, 78},
                      WidthCase{"clock", 8, 26}, WidthCase{"rsin[8..1]", 8, 42},
                      WidthCase{"rsout[8..1]", 8, 49}, WidthCase{"irrpol = 285", 7, 46},
                      WidthCase{"x^8 + x^4 + x^3 + x^2 + 1", 7, 105},
                      WidthCase{"full discrete decoder", 10, 117}, WidthCase{"", 8, 0},
                      WidthCase{" ", 8, 3}, WidthCase{"i", 8, 2}, WidthCase{"W", 8, 10}));

TEST(TextMeasurerTest, HeightsAreRoundedWindowsAscentPlusDescent) {
  EXPECT_EQ(TextMeasurer("Arial", 7).Height(), 10);   // 9 pixels per em: 8 + 2
  EXPECT_EQ(TextMeasurer("Arial", 8).Height(), 12);   // 11: 10 + 2
  EXPECT_EQ(TextMeasurer("Arial", 10).Height(), 15);  // 13: 12 + 3
}

TEST(TextMeasurerTest, PixelSizeFollowsTheFontHeight) {
  EXPECT_EQ(TextMeasurer("Arial", 7).PixelsPerEm(), 9);
  EXPECT_EQ(TextMeasurer("Arial", 8).PixelsPerEm(), 11);
  EXPECT_EQ(TextMeasurer("Arial", 10).PixelsPerEm(), 13);
}

TEST(TextMeasurerTest, MeasureGivesWidthAndHeight) {
  const TextMeasurer m("Arial", 8);
  EXPECT_EQ(m.Measure("clock"), (symbol::TextSize{26, 12}));
  EXPECT_EQ(m.Measure(""), (symbol::TextSize{0, 12}));
  EXPECT_EQ(symbol::MeasureText("clock", "Arial", 8), (symbol::TextSize{26, 12}));
}

TEST(TextMeasurerTest, WidthIsTheSumOfCharacterWidths) {
  const TextMeasurer m("Arial", 8);
  EXPECT_EQ(m.Width("RS_input [8..0]"), m.Width("RS_input ") + m.Width("[8..0]"));
}

TEST(TextMeasurerTest, EveryFaceNameMeasuresWithTheSameTable) {
  EXPECT_EQ(TextMeasurer("Courier New", 8).Width("RS_input [8..0]"), 71);
  EXPECT_EQ(TextMeasurer("", 8).Measure("clock"), TextMeasurer("Arial", 8).Measure("clock"));
}

TEST(TextMeasurerTest, BytesOutsidePrintableAsciiMeasureAsTheAverage) {
  const TextMeasurer m("Arial", 8);
  const int average = fm::kFace.sizes[11 - fm::kMinPpem].averageWidth;
  EXPECT_EQ(average, 6);
  EXPECT_EQ(m.Width("\xE9"), average);
  EXPECT_EQ(m.Width(std::string(1, '\0')), average);
  EXPECT_EQ(m.Width("\t\x7F"), 2 * average);
  EXPECT_EQ(m.Width("a\xFF"
                    "b"),
            m.Width("ab") + average);
}

TEST(TextMeasurerTest, NonPositivePointSizesMeasureNothing) {
  for (int points : {0, -1, -8, INT_MIN}) {
    const TextMeasurer m("Arial", points);
    EXPECT_EQ(m.Measure("clock"), (symbol::TextSize{0, 0})) << points;
    EXPECT_EQ(m.Width("\xE9"), 0) << points;
  }
}

TEST(TextMeasurerTest, SizesOutsideTheTableScaleLinearly) {
  // 3 points is 4 pixels per em, 40 points 53: both outside the tabulated range.
  const TextMeasurer small("Arial", 3);
  EXPECT_EQ(small.PixelsPerEm(), 4);
  EXPECT_EQ(small.Width("W"), 4);  // 1933 * 4 / 2048 = 3.78
  EXPECT_EQ(small.Height(), 5);    // 3.62 + 0.85
  const TextMeasurer large("Arial", 40);
  EXPECT_EQ(large.PixelsPerEm(), 53);
  EXPECT_EQ(large.Width("a"), 29);  // 1139 * 53 / 2048 = 29.48
  EXPECT_EQ(large.Height(), 59);    // 47.98 + 11.23
}

TEST(TextMeasurerTest, LastTabulatedSizeAgreesWithLinearScaling) {
  // 30 points is 40 pixels per em, the largest tabulated size.
  const TextMeasurer m("Arial", 30);
  EXPECT_EQ(m.PixelsPerEm(), 40);
  EXPECT_EQ(m.Width("a"), 22);  // 1139 * 40 / 2048 = 22.25
  EXPECT_EQ(m.Height(), 44);    // 36.21 + 8.48
}

TEST(TextMeasurerTest, HugeSizesSaturateInsteadOfOverflowing) {
  const TextMeasurer m("Arial", INT_MAX);
  EXPECT_GT(m.Height(), 0);
  EXPECT_EQ(m.Width(std::string(100, 'W')), INT_MAX);
}

// The committed table must be what the generator writes: each size the rounded scaling of the
// face's advances (the font has no device widths), the height from the Windows ascent and
// descent, and the average the rounded mean of the widths.
TEST(FontMetricsTableTest, EverySizeIsTheRoundedScalingOfTheFace) {
  const auto scale = [](int value, int ppem) {
    return (2 * value * ppem + fm::kFace.unitsPerEm) / (2 * fm::kFace.unitsPerEm);
  };
  ASSERT_EQ(fm::kFace.unitsPerEm, 2048);
  for (int i = 0; i < fm::kSizeCount; ++i) {
    const fm::SizeMetrics& size = fm::kFace.sizes[static_cast<std::size_t>(i)];
    ASSERT_EQ(size.ppem, fm::kMinPpem + i);
    EXPECT_EQ(size.ascent, scale(fm::kFace.winAscent, size.ppem)) << size.ppem;
    EXPECT_EQ(size.descent, scale(fm::kFace.winDescent, size.ppem)) << size.ppem;
    int sum = 0;
    for (int c = 0; c < fm::kCharCount; ++c) {
      const int width = size.widths[static_cast<std::size_t>(c)];
      EXPECT_EQ(width, scale(fm::kFace.advanceUnits[static_cast<std::size_t>(c)], size.ppem))
          << "ppem " << size.ppem << " char " << (c + fm::kFirstChar);
      sum += width;
    }
    EXPECT_EQ(size.averageWidth, (2 * sum + fm::kCharCount) / (2 * fm::kCharCount));
  }
}

TEST(FontMetricsTableTest, AdvancesAreArialMetrics) {
  const auto advance = [](char c) {
    return fm::kFace.advanceUnits[static_cast<std::size_t>(c - fm::kFirstChar)];
  };
  EXPECT_EQ(advance(' '), 569);
  EXPECT_EQ(advance('0'), 1139);
  EXPECT_EQ(advance('R'), 1479);
  EXPECT_EQ(advance('i'), 455);
  EXPECT_EQ(advance('W'), 1933);
  EXPECT_EQ(fm::kFace.winAscent, 1854);
  EXPECT_EQ(fm::kFace.winDescent, 434);
}

}  // namespace
