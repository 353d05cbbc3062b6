#include "platform/qt/qt_draw_context.h"

#include <QFontMetrics>
#include <QImage>
#include <QTransform>
#include <cstdlib>

namespace platform::qt {

namespace {

// Pen styles of the display driver; dashes are the lengths of its cosmetic pens.
constexpr int kPenDash = 1;
constexpr int kPenDot = 2;
constexpr int kPenDashDot = 3;
constexpr int kPenDashDotDot = 4;
constexpr int kPenNull = 5;

std::vector<int> DashPattern(int penStyle) {
  switch (penStyle) {
    case kPenDash:
      return {18, 6};
    case kPenDot:
      return {3, 3};
    case kPenDashDot:
      return {9, 6, 3, 6};
    case kPenDashDotDot:
      return {9, 3, 3, 3, 3, 3};
    default:
      return {};
  }
}

// Rounds numerator / denominator (denominator > 0) half away from zero.
int RoundedDivision(long long numerator, long long denominator) {
  const long long half = denominator / 2;
  return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                         : -((-numerator + half) / denominator));
}

}  // namespace

QString FontFaceFor(const std::string& faceName) {
  static const struct {
    const char* from;
    const char* to;
  } kFaces[] = {
      {"Arial", "Liberation Sans"},
      {"MS Sans Serif", "Liberation Sans"},
      {"Microsoft Sans Serif", "Liberation Sans"},
      {"Helvetica", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
      {"Courier", "Liberation Mono"},
  };
  for (const auto& face : kFaces)
    if (QString::fromStdString(faceName).compare(face.from, Qt::CaseInsensitive) == 0)
      return QString(face.to);
  if (faceName.empty()) return QString("Liberation Sans");
  return QString::fromStdString(faceName);
}

QFont MakeQFont(const FontDescription& font) {
  QFont result(FontFaceFor(font.faceName));
  result.setStyleHint(QFont::SansSerif);
  if (font.weight > 0)
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  result.setStrikeOut(font.strikeOut);
  if (font.height < 0) {
    result.setPixelSize(-font.height);
  } else if (font.height > 0) {
    // A positive height asks for the whole cell, internal leading included.
    result.setPixelSize(font.height);
    const int cell = QFontMetrics(result).height();
    if (cell > 0)
      result.setPixelSize(std::max(1, RoundedDivision(1LL * font.height * font.height, cell)));
  } else {
    result.setPixelSize(13);
  }
  return result;
}

std::vector<Point> LinePixels(Point from, Point to) {
  const int dx = to.x - from.x;
  const int dy = to.y - from.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  std::vector<Point> pixels;
  pixels.reserve(static_cast<std::size_t>(steps));
  for (int i = 0; i < steps; ++i)
    pixels.push_back({from.x + RoundedDivision(1LL * i * dx, steps),
                      from.y + RoundedDivision(1LL * i * dy, steps)});
  return pixels;
}

PainterDrawContext::PainterDrawContext(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
}

void PainterDrawContext::Plot(const std::vector<Point>& pixels, Color color) {
  if (pixels.empty()) return;
  const QColor qcolor = ToQColor(color);
  for (const Point& p : pixels) painter_.fillRect(QRect(p.x, p.y, 1, 1), qcolor);
}

void PainterDrawContext::FillSolid(const Rect& rect, Color color) {
  if (rect.Width() > 0 && rect.Height() > 0)
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
  background_ = color;
}

void PainterDrawContext::FillHalftone(const Rect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  // Built pixel by pixel so that the checkerboard keeps its phase with the device origin
  // whatever the rectangle.
  QImage image(rect.Width(), rect.Height(), QImage::Format_RGB32);
  const QRgb text = qRgb(text_.r, text_.g, text_.b);
  const QRgb back = qRgb(background_.r, background_.g, background_.b);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      line[x] = ((rect.left + x + rect.top + y) % 2 == 0) ? text : back;
  }
  painter_.drawImage(QPoint(rect.left, rect.top), image);
}

void PainterDrawContext::DrawLine(Point from, Point to, Color color, int width, int penStyle) {
  if (penStyle == kPenNull) return;
  std::vector<Point> path = LinePixels(from, to);
  const std::vector<int> dashes = DashPattern(penStyle);
  if (!dashes.empty()) {
    std::vector<Point> kept;
    std::size_t segment = 0;
    int left = dashes[0];
    for (const Point& p : path) {
      if (segment % 2 == 0) kept.push_back(p);
      if (--left == 0) {
        segment = (segment + 1) % dashes.size();
        left = dashes[segment];
      }
    }
    path = std::move(kept);
  }
  Plot(path, color);
  if (width >= 2) {
    // The second pixel row lies on the upper (or left) side of the path, as even-width pens
    // straddle their line.
    const bool xMajor = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    for (Point& p : path) (xMajor ? p.y : p.x) -= 1;
    Plot(path, color);
  }
}

void PainterDrawContext::DrawEllipse(const Rect& rect, Color color, int width) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  painter_.save();
  if (rect.Width() <= 2 || rect.Height() <= 2) {
    // Too small for an outline: the pen covers the whole box.
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
  } else {
    QPen pen(ToQColor(color));
    pen.setWidth(width <= 1 ? 0 : width);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
  }
  painter_.restore();
}

void PainterDrawContext::DrawText(Point topLeft, std::string_view text,
                                  const FontDescription& font) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont qfont = MakeQFont(font);
  const QFontMetrics metrics(qfont);
  const int width = metrics.horizontalAdvance(qtext);
  const int height = metrics.height();
  painter_.save();
  painter_.translate(topLeft.x, topLeft.y);
  // Escapement in tenths of a degree, counter-clockwise on the screen.
  if (font.escapement != 0) painter_.rotate(-font.escapement / 10.0);
  painter_.fillRect(QRect(0, 0, width, height), ToQColor(background_));
  painter_.setFont(qfont);
  painter_.setPen(ToQColor(text_));
  painter_.drawText(QPoint(0, metrics.ascent()), qtext);
  painter_.restore();
}

}  // namespace platform::qt
