// The drawing interface on a QPainter, for a widget on screen and for an image alike. Lines of
// width 1 are rasterised here rather than by Qt, so that their pixels are exactly those a
// display driver draws: every pixel of the path, the end point excluded.
#pragma once

#include <QFont>
#include <QPainter>

#include "platform/draw_context.h"

namespace platform::qt {

// The Qt font for a font request: the face through the substitutions of FontFaceFor, a negative
// height as the pixel size, a positive one as the height of the whole cell.
QFont MakeQFont(const FontDescription& font);
// Faces of the Windows world mapped to the metric-compatible faces of this system.
QString FontFaceFor(const std::string& faceName);

// The pixels of a one-pixel line from `from` to `to`, the end point excluded, in drawing order.
std::vector<Point> LinePixels(Point from, Point to);

class PainterDrawContext : public DrawContext {
 public:
  explicit PainterDrawContext(QPainter& painter);

  void SetTextColor(Color color) override { text_ = color; }
  Color TextColor() const override { return text_; }
  void SetBackgroundColor(Color color) override { background_ = color; }
  Color BackgroundColor() const override { return background_; }

  void FillSolid(const Rect& rect, Color color) override;
  void FillHalftone(const Rect& rect) override;
  void DrawLine(Point from, Point to, Color color, int width, int penStyle) override;
  void DrawEllipse(const Rect& rect, Color color, int width) override;
  void DrawText(Point topLeft, std::string_view text, const FontDescription& font) override;

 private:
  void Plot(const std::vector<Point>& pixels, Color color);

  QPainter& painter_;
  Color text_{0, 0, 0};
  Color background_{255, 255, 255};
};

inline QColor ToQColor(Color c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace platform::qt
