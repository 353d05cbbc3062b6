// The common base of everything the symbol is drawn from. Coordinates are in the symbol box's
// pixels; the origin is the box's corner in the preview panel, copied from the model when the
// primitive is added and used only for drawing.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/draw_context.h"

namespace symbol {

class SymbolPrimitive {
 public:
  virtual ~SymbolPrimitive() = default;

  virtual void Draw(platform::DrawContext& dc) const = 0;
  // A primitive made of others passes the origin on to its parts.
  virtual void SetOrigin(int x, int y) {
    originX = x;
    originY = y;
  }

  int originX = 0;
  int originY = 0;

 protected:
  SymbolPrimitive() = default;
  SymbolPrimitive(const SymbolPrimitive&) = default;
  SymbolPrimitive& operator=(const SymbolPrimitive&) = default;
};

// Sums of coordinates are taken wide and clamped, so that no model content can overflow the
// arithmetic of drawing or writing.
inline int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

inline platform::Point DevicePoint(std::int64_t x, std::int64_t y) {
  return {ClampToInt(x), ClampToInt(y)};
}

}  // namespace symbol
