#include "symbol/symbol_text.h"

#include <cstdint>
#include <utility>

#include "symbol/make_font_description.h"

namespace symbol {

SymbolText::SymbolText(int x, int y, std::string text, platform::Color color, int pointSize,
                       int alignment, int vertical, std::string fontName, int marginX, int marginY,
                       int originX, int originY)
    : SymbolText(x, y, text, color, pointSize, alignment, vertical, fontName, marginX, marginY,
                 originX, originY, MeasureText(text, fontName, pointSize)) {}

SymbolText::SymbolText(int x, int y, std::string text, platform::Color color, int pointSize,
                       int alignment, int vertical, std::string fontName, int marginX, int marginY,
                       int originX, int originY, TextSize measured)
    : x(x),
      y(y),
      color(color),
      pointSize(pointSize),
      text(std::move(text)),
      fontName(std::move(fontName)),
      alignment(alignment),
      vertical(vertical),
      textHeight(measured.height),
      textWidth(measured.width) {
  this->originX = originX;
  this->originY = originY;
  Place(marginX, marginY);
}

void SymbolText::Place(int marginX, int marginY) {
  const int column = alignment % 3;
  const int row = alignment / 3;
  // Offsets from the reference point to the cell's top-left corner, along the text and across.
  std::int64_t hx = 0;
  if (column == 0) {
    hx = -std::int64_t{marginX};
  } else if (column == 1) {
    hx = textWidth / 2;
  } else {
    hx = std::int64_t{marginX} + textWidth - 1;
  }
  std::int64_t vy = 0;
  if (row == 0) {
    vy = -std::int64_t{marginY};
  } else if (row == 1) {
    vy = textHeight / 2;
  } else {
    vy = std::int64_t{marginY} + textHeight - 1;
  }
  if (IsVertical()) {
    // Turned counter-clockwise, the text runs upward and its "top" faces left.
    anchorX = ClampToInt(x - vy);
    anchorY = ClampToInt(y + hx);
  } else {
    anchorX = ClampToInt(x - hx);
    anchorY = ClampToInt(y - vy);
  }
}

void SymbolText::Draw(platform::DrawContext& dc) const {
  const platform::FontDescription font = MakeFontDescription(pointSize, vertical, fontName);
  dc.SetTextColor(color);
  dc.DrawText(DevicePoint(std::int64_t{originX} + anchorX, std::int64_t{originY} + anchorY), text,
              font);
}

}  // namespace symbol
