// A straight line of the symbol: a box edge, a pin stub, a bus slash.
#pragma once

#include "platform/draw_context.h"
#include "symbol/symbol_primitive.h"

namespace symbol {

class SymbolLine : public SymbolPrimitive {
 public:
  SymbolLine(int x, int y, int dx, int dy, platform::Color color, int thick, int dot, int penStyle);

  // Pen of penStyle, 2 pixels wide when thick is 1; a small dot at the start when dot is set.
  void Draw(platform::DrawContext& dc) const override;

  int x;
  int y;
  platform::Color color;
  int dx;
  int dy;
  int thick;     // 0 thin, 1 thick
  int dot;       // draw a dot at the start point (drawing only)
  int penStyle;  // platform::kPenSolid is solid (drawing only)
};

}  // namespace symbol
