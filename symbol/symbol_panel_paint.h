// The painting of the preview panel at the left of a wizard page: the drawing area in the
// palette's pale green, a button-face strip of 25 pixels at the right with a dark and a light
// edge line, and the symbol drawn into the area.
#pragma once

#include "platform/draw_context.h"
#include "platform/geometry.h"
#include "symbol/symbol_model.h"

namespace symbol {

inline constexpr int kPanelStripWidth = 25;

// `client` is the panel's client rectangle. Every paint draws the model as it is now.
void PaintSymbolPanel(platform::DrawContext& dc, const platform::Rect& client,
                      const SymbolModel& model);

}  // namespace symbol
