#include "symbol/symbol_line.h"

#include <cstdint>

namespace symbol {

SymbolLine::SymbolLine(int x, int y, int dx, int dy, platform::Color color, int thick, int dot,
                       int penStyle)
    : x(x), y(y), color(color), dx(dx), dy(dy), thick(thick), dot(dot), penStyle(penStyle) {}

void SymbolLine::Draw(platform::DrawContext& dc) const {
  const std::int64_t px = std::int64_t{originX} + x;
  const std::int64_t py = std::int64_t{originY} + y;
  const int width = thick == 1 ? 2 : 1;
  dc.DrawLine(DevicePoint(px, py), DevicePoint(px + dx, py + dy), color, width, penStyle);
  if (dot != 0) {
    const platform::Point from = DevicePoint(px - 1, py - 1);
    const platform::Point to = DevicePoint(px + 1, py + 1);
    dc.DrawEllipse({from.x, from.y, to.x, to.y}, color, width);
  }
}

}  // namespace symbol
