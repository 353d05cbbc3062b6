// Circles and arcs of a symbol. The model keeps and writes them for symbols that have them;
// the Reed-Solomon symbol has none.
#pragma once

#include "symbol/symbol_primitive.h"

namespace symbol {

class SymbolCircle : public SymbolPrimitive {
 public:
  SymbolCircle(int x, int y, int radius);
  // A thin black outline around the centre (x, y).
  void Draw(platform::DrawContext& dc) const override;

  int x;
  int y;
  int radius;
};

// An arc of the circle around (x, y) from (x2, y2) to (x3, y3).
class SymbolArc : public SymbolPrimitive {
 public:
  SymbolArc(int x, int y, int radius, int x2, int y2, int x3, int y3);
  // The preview does not show arcs: the drawing interface has no arc, and no symbol of this
  // program has one.
  void Draw(platform::DrawContext& dc) const override;

  int x;
  int y;
  int radius;
  int x2;
  int y2;
  int x3;
  int y3;
};

}  // namespace symbol
