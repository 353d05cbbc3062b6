#include "symbol/symbol_panel_paint.h"

#include <algorithm>

#include "symbol/symbol_colors.h"

namespace symbol {

void PaintSymbolPanel(platform::DrawContext& dc, const platform::Rect& client,
                      const SymbolModel& model) {
  const int stripLeft = std::max(client.left, client.right - kPanelStripWidth);
  const platform::Rect area{client.left, client.top, stripLeft, client.bottom};

  dc.FillSolid(area, kPaletteIndex8);
  // Filled last, the strip leaves its colour as the background a box that fits the area
  // gets its shadow checkered with.
  dc.FillSolid({stripLeft, client.top, client.right, client.bottom}, kButtonFace);
  dc.DrawLine({stripLeft, 0}, {stripLeft, client.bottom}, kPaletteIndex12, 1, platform::kPenSolid);
  dc.DrawLine({stripLeft + 1, 0}, {stripLeft + 1, client.bottom}, kPaletteIndex10, 1,
              platform::kPenSolid);

  model.DrawSymbol(dc, area);
}

}  // namespace symbol
