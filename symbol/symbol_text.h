// A text of the symbol, placed once when it is made: its cell is measured and its top-left
// corner (the anchor) worked out from the reference point, the alignment and the margins.
#pragma once

#include <string>

#include "platform/draw_context.h"
#include "symbol/symbol_primitive.h"
#include "symbol/text_measurer.h"

namespace symbol {

class SymbolText : public SymbolPrimitive {
 public:
  // alignment: column = alignment mod 3 (0 left, 1 centre, 2 right), row = alignment div 3
  // (0 top, 1 middle, 2 bottom) of the text relative to (x, y); vertical 1 turns the text 90
  // degrees counter-clockwise. The text is measured with TextMeasurer (fontName, pointSize).
  SymbolText(int x, int y, std::string text, platform::Color color, int pointSize, int alignment,
             int vertical, std::string fontName, int marginX, int marginY, int originX,
             int originY);
  // The same with the cell size given instead of measured.
  SymbolText(int x, int y, std::string text, platform::Color color, int pointSize, int alignment,
             int vertical, std::string fontName, int marginX, int marginY, int originX, int originY,
             TextSize measured);

  // In the text's colour and font, on an opaque cell in the context's background colour.
  void Draw(platform::DrawContext& dc) const override;

  bool IsVertical() const { return vertical != 0; }

  int x;
  int y;
  platform::Color color;
  int pointSize;
  std::string text;
  std::string fontName;
  int alignment;
  int vertical;
  int anchorX = 0;  // top-left corner of the cell
  int anchorY = 0;
  int textHeight;
  int textWidth;

 private:
  void Place(int marginX, int marginY);
};

}  // namespace symbol
