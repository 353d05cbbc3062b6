// A pin of the symbol: its stub, its label, and for a bus a slash across the stub with the
// bus width beside it.
#pragma once

#include <memory>
#include <string>

#include "platform/draw_context.h"
#include "symbol/symbol_line.h"
#include "symbol/symbol_primitive.h"
#include "symbol/symbol_text.h"
#include "symbol/text_measurer.h"

namespace symbol {

inline constexpr int kPinIn = 0;
inline constexpr int kPinOut = 1;

class SymbolPin : public SymbolPrimitive {
 public:
  // The stub runs from (x, y) by (dx, dy). The label (8 point Arial) stands at (x, y), or past
  // the stub's far end when labelAtEnd is 1 (6 further out when the pin has an edge mark).
  // An empty name names the pin by its label. busWidth not 0 adds the bus slash near busTextX
  // (or the stub's middle when that is 0), a positive busWidth also its number. `sizer`
  // measures the label and the bus width text.
  SymbolPin(int x, int y, int dx, int dy, std::string labelText, std::string name, int thick,
            int direction, int labelAlignment, int labelAtEnd, int labelVertical, int edgeMark,
            int busWidth, int busTextX, const TextSizer& sizer = MeasureText);

  // The label, the stub and the bus parts; the ">" edge mark at the stub's end; a blue cross
  // on the stub's start for a pin whose label is neither empty nor "-".
  void Draw(platform::DrawContext& dc) const override;
  void SetOrigin(int x, int y) override;

  // "IN", "OUT" or "BIDIR".
  const char* DirectionName() const;
  bool HasCross() const { return !label.text.empty() && label.text != "-"; }

  SymbolLine stub;
  SymbolText label;
  std::unique_ptr<SymbolLine> busMark;       // or none
  std::unique_ptr<SymbolText> busWidthText;  // or none
  std::string pinName;
  int direction;  // kPinIn, kPinOut, anything else bidirectional
  int edgeMark;
};

}  // namespace symbol
