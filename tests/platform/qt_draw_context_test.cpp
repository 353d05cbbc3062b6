#include "platform/qt/qt_draw_context.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "qt_test_support.h"

namespace {

using platform::Color;
using platform::Point;
using platform::Rect;
using platform::qt::PainterDrawContext;

constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
constexpr Color kGrey{128, 128, 128};
constexpr Color kTeal{0, 128, 128};
constexpr Color kBlue{0, 0, 255};
constexpr Color kFace{212, 208, 200};

Color At(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
          static_cast<std::uint8_t>(qBlue(p))};
}

class DrawContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qttest::App();
    image_ = QImage(64, 48, QImage::Format_RGB32);
    image_.fill(qRgb(kFace.r, kFace.g, kFace.b));
  }
  // Draws on the image through the drawing interface.
  template <typename F>
  void Draw(F&& f) {
    QPainter painter(&image_);
    PainterDrawContext context(painter);
    f(context);
  }
  QImage image_;
};

TEST_F(DrawContextTest, FillSolidFillsExactlyAndBecomesTheBackground) {
  Draw([](PainterDrawContext& dc) {
    dc.SetBackgroundColor(kBlack);
    dc.FillSolid({10, 5, 20, 9}, kWhite);
    EXPECT_EQ(dc.BackgroundColor(), kWhite);
  });
  EXPECT_EQ(At(image_, 10, 5), kWhite);
  EXPECT_EQ(At(image_, 19, 8), kWhite);
  EXPECT_EQ(At(image_, 20, 8), kFace);  // right edge exclusive
  EXPECT_EQ(At(image_, 19, 9), kFace);  // bottom edge exclusive
  EXPECT_EQ(At(image_, 9, 5), kFace);
}

TEST_F(DrawContextTest, HalftoneAlternatesWithTheDeviceOrigin) {
  // Odd corners, so that a pattern aligned to the rectangle instead of the device would fail.
  const Rect shadow{7, 3, 30, 20};
  Draw([&](PainterDrawContext& dc) {
    dc.SetTextColor(kGrey);
    dc.SetBackgroundColor(kFace);
    dc.FillHalftone(shadow);
  });
  for (int y = shadow.top; y < shadow.bottom; ++y)
    for (int x = shadow.left; x < shadow.right; ++x)
      ASSERT_EQ(At(image_, x, y), (x + y) % 2 == 0 ? kGrey : kFace) << x << "," << y;
  EXPECT_EQ(At(image_, 6, 10), kFace);
  EXPECT_EQ(At(image_, 30, 10), kFace);
}

TEST_F(DrawContextTest, HalftoneUsesTheColoursOfTheMoment) {
  Draw([](PainterDrawContext& dc) {
    dc.SetTextColor(kBlue);
    dc.SetBackgroundColor(kWhite);
    dc.FillHalftone({0, 0, 2, 1});
  });
  EXPECT_EQ(At(image_, 0, 0), kBlue);
  EXPECT_EQ(At(image_, 1, 0), kWhite);
}

struct LineCase {
  Point from;
  Point to;
  std::vector<Point> pixels;
};

TEST(LinePixelsTest, EndPointExcludedOnEveryDirection) {
  const std::vector<LineCase> cases = {
      {{2, 3}, {6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
      {{6, 3}, {2, 3}, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
      {{4, 1}, {4, 4}, {{4, 1}, {4, 2}, {4, 3}}},
      {{4, 4}, {4, 1}, {{4, 4}, {4, 3}, {4, 2}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
      {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
      {{5, 5}, {5, 5}, {}},
  };
  for (const LineCase& c : cases) {
    const std::vector<Point> got = platform::qt::LinePixels(c.from, c.to);
    ASSERT_EQ(got.size(), c.pixels.size()) << c.from.x << "," << c.from.y;
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], c.pixels[i]) << i;
  }
}

TEST_F(DrawContextTest, OnePixelLineHasExactlyItsPixels) {
  Draw([](PainterDrawContext& dc) {
    dc.DrawLine({10, 20}, {30, 20}, kTeal, 1, platform::kPenSolid);
    dc.DrawLine({40, 5}, {40, 15}, kBlue, 1, platform::kPenSolid);
  });
  for (int x = 10; x < 30; ++x) {
    EXPECT_EQ(At(image_, x, 20), kTeal) << x;
    EXPECT_EQ(At(image_, x, 19), kFace) << x;
    EXPECT_EQ(At(image_, x, 21), kFace) << x;
  }
  EXPECT_EQ(At(image_, 30, 20), kFace);  // the end point
  EXPECT_EQ(At(image_, 9, 20), kFace);
  for (int y = 5; y < 15; ++y) EXPECT_EQ(At(image_, 40, y), kBlue) << y;
  EXPECT_EQ(At(image_, 40, 15), kFace);
  EXPECT_EQ(At(image_, 39, 10), kFace);
  EXPECT_EQ(At(image_, 41, 10), kFace);
}

TEST_F(DrawContextTest, CrossOfTwoDiagonals) {
  // The pin cross of the preview: both diagonals, no antialiasing around them.
  const Point s{20, 20};
  Draw([&](PainterDrawContext& dc) {
    dc.DrawLine({s.x - 4, s.y - 4}, {s.x + 4, s.y + 4}, kBlue, 1, platform::kPenSolid);
    dc.DrawLine({s.x - 4, s.y + 4}, {s.x + 4, s.y - 4}, kBlue, 1, platform::kPenSolid);
  });
  for (int i = -4; i < 4; ++i) {
    EXPECT_EQ(At(image_, s.x + i, s.y + i), kBlue) << i;
    EXPECT_EQ(At(image_, s.x + i, s.y - i), kBlue) << i;
  }
  EXPECT_EQ(At(image_, s.x + 4, s.y + 4), kFace);
  EXPECT_EQ(At(image_, s.x + 1, s.y), kFace);
  EXPECT_EQ(At(image_, s.x, s.y + 1), kFace);
}

TEST_F(DrawContextTest, TwoPixelLineCoversTwoRows) {
  Draw([](PainterDrawContext& dc) {
    dc.DrawLine({5, 10}, {15, 10}, kBlack, 2, platform::kPenSolid);
  });
  for (int x = 5; x < 15; ++x) {
    EXPECT_EQ(At(image_, x, 9), kBlack) << x;
    EXPECT_EQ(At(image_, x, 10), kBlack) << x;
    EXPECT_EQ(At(image_, x, 11), kFace) << x;
    EXPECT_EQ(At(image_, x, 8), kFace) << x;
  }
}

TEST_F(DrawContextTest, NullPenDrawsNothingAndDashesLeaveGaps) {
  Draw([](PainterDrawContext& dc) {
    dc.DrawLine({0, 1}, {60, 1}, kBlack, 1, 5);
    dc.DrawLine({0, 3}, {60, 3}, kBlack, 1, 2);  // dotted: 3 on, 3 off
  });
  for (int x = 0; x < 60; ++x) EXPECT_EQ(At(image_, x, 1), kFace);
  EXPECT_EQ(At(image_, 0, 3), kBlack);
  EXPECT_EQ(At(image_, 2, 3), kBlack);
  EXPECT_EQ(At(image_, 3, 3), kFace);
  EXPECT_EQ(At(image_, 5, 3), kFace);
  EXPECT_EQ(At(image_, 6, 3), kBlack);
}

TEST_F(DrawContextTest, EllipseStaysInsideItsBoxAndKeepsItsInside) {
  Draw([](PainterDrawContext& dc) {
    dc.FillSolid({10, 10, 30, 30}, kWhite);
    dc.DrawEllipse({10, 10, 30, 30}, kBlack, 1);
  });
  bool outline = false;
  for (int x = 10; x < 30; ++x) outline = outline || At(image_, x, 10) == kBlack;
  EXPECT_TRUE(outline);
  EXPECT_EQ(At(image_, 20, 20), kWhite);  // the inside is left as it was
  EXPECT_EQ(At(image_, 10, 10), kWhite);  // a corner of the box is outside the ellipse
  for (int x = 8; x < 32; ++x) {
    EXPECT_NE(At(image_, x, 30), kBlack) << x;
    EXPECT_NE(At(image_, x, 9), kBlack) << x;
  }
}

TEST_F(DrawContextTest, TextCellIsOpaqueInTheBackgroundColour) {
  platform::FontDescription font;
  font.height = -12;
  font.faceName = "Arial";
  const QFontMetrics metrics(platform::qt::MakeQFont(font));
  const int width = metrics.horizontalAdvance("MMM");
  const int height = metrics.height();
  Draw([&](PainterDrawContext& dc) {
    dc.SetBackgroundColor(kWhite);
    dc.SetTextColor(kBlack);
    dc.DrawText({4, 6}, "MMM", font);
  });
  // The cell's corners are background; some pixels inside are ink; outside is untouched.
  EXPECT_EQ(At(image_, 4, 6), kWhite);
  EXPECT_EQ(At(image_, 4 + width - 1, 6 + height - 1), kWhite);
  EXPECT_EQ(At(image_, 4 + width, 6), kFace);
  EXPECT_EQ(At(image_, 3, 6), kFace);
  int ink = 0;
  for (int y = 6; y < 6 + height; ++y)
    for (int x = 4; x < 4 + width; ++x) ink += qGray(image_.pixel(x, y)) < 100;
  EXPECT_GT(ink, 10);
}

TEST_F(DrawContextTest, VerticalTextRunsUpwardFromItsCorner) {
  platform::FontDescription font;
  font.height = -12;
  font.escapement = 900;
  font.faceName = "Arial";
  const QFontMetrics metrics(platform::qt::MakeQFont(font));
  const int width = metrics.horizontalAdvance("HHH");
  const int height = metrics.height();
  Draw([&](PainterDrawContext& dc) {
    dc.SetBackgroundColor(kWhite);
    dc.SetTextColor(kBlack);
    dc.DrawText({20, 44}, "HHH", font);
  });
  // Turned counter-clockwise about (20, 44): the cell spans x 20 .. 20 + height and
  // y 44 - width .. 44.
  EXPECT_EQ(At(image_, 20, 43), kWhite);
  EXPECT_EQ(At(image_, 20 + height - 1, 44 - width), kWhite);
  EXPECT_EQ(At(image_, 19, 40), kFace);
  EXPECT_EQ(At(image_, 20 + height, 40), kFace);
  EXPECT_EQ(At(image_, 22, 44), kFace);
  EXPECT_EQ(At(image_, 22, 44 - width - 1), kFace);
}

TEST(FontTest, FacesAndSizes) {
  qttest::App();
  EXPECT_EQ(platform::qt::FontFaceFor("Arial"), "Liberation Sans");
  EXPECT_EQ(platform::qt::FontFaceFor("arial"), "Liberation Sans");
  EXPECT_EQ(platform::qt::FontFaceFor("Courier New"), "Liberation Mono");
  EXPECT_EQ(platform::qt::FontFaceFor("DejaVu Sans"), "DejaVu Sans");
  platform::FontDescription font;
  font.height = -17;
  font.weight = 700;
  font.italic = true;
  font.faceName = "Arial";
  const QFont q = platform::qt::MakeQFont(font);
  EXPECT_EQ(q.pixelSize(), 17);
  EXPECT_EQ(q.weight(), QFont::Bold);
  EXPECT_TRUE(q.italic());
  EXPECT_EQ(QFontInfo(q).family(), "Liberation Sans");
  font.height = 20;  // a positive height is the whole cell
  EXPECT_NEAR(QFontMetrics(platform::qt::MakeQFont(font)).height(), 20, 1);
}

}  // namespace
