// Drawing in device pixels, with the state a painter keeps between calls: a text colour and a
// background colour, as the preview's painting relies on them.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/font_description.h"
#include "platform/geometry.h"

namespace platform {

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr int kPenSolid = 0;

class DrawContext {
 public:
  virtual ~DrawContext() = default;

  virtual void SetTextColor(Color color) = 0;
  virtual Color TextColor() const = 0;
  virtual void SetBackgroundColor(Color color) = 0;
  virtual Color BackgroundColor() const = 0;

  // Fills with one colour, which becomes the background colour (a solid fill is drawn the way
  // an opaque text cell is).
  virtual void FillSolid(const Rect& rect, Color color) = 0;
  // Fills with the halftone brush: single pixels alternating like a checkerboard between the
  // text colour and the background colour; the pixel (x, y) of the device takes the text
  // colour when x + y is even.
  virtual void FillHalftone(const Rect& rect) = 0;
  // A line from `from` to `to`, the end point excluded.
  virtual void DrawLine(Point from, Point to, Color color, int width, int penStyle) = 0;
  // An ellipse inside the rectangle, outlined with the pen; its inside is left as it is.
  virtual void DrawEllipse(const Rect& rect, Color color, int width) = 0;
  // The text with the top-left corner of its cell at `topLeft`, in the text colour, on an
  // opaque cell in the background colour. A font with escapement 900 runs upward from
  // `topLeft`, turned 90 degrees counter-clockwise about it.
  virtual void DrawText(Point topLeft, std::string_view text, const FontDescription& font) = 0;
};

}  // namespace platform
