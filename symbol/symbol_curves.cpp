#include "symbol/symbol_curves.h"

#include <cstdint>

#include "symbol/symbol_colors.h"

namespace symbol {

SymbolCircle::SymbolCircle(int x, int y, int radius) : x(x), y(y), radius(radius) {}

void SymbolCircle::Draw(platform::DrawContext& dc) const {
  const std::int64_t cx = std::int64_t{originX} + x;
  const std::int64_t cy = std::int64_t{originY} + y;
  const platform::Point from = DevicePoint(cx - radius, cy - radius);
  const platform::Point to = DevicePoint(cx + radius, cy + radius);
  dc.DrawEllipse({from.x, from.y, to.x, to.y}, kBlack, 1);
}

SymbolArc::SymbolArc(int x, int y, int radius, int x2, int y2, int x3, int y3)
    : x(x), y(y), radius(radius), x2(x2), y2(y2), x3(x3), y3(y3) {}

void SymbolArc::Draw(platform::DrawContext&) const {}

}  // namespace symbol
