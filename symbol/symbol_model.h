// The schematic symbol of the configured block: a box with lines, circles, arcs, texts and
// pins in the box's coordinates (x right, y down from its top-left corner). It is written as
// the "SYMBOL:" lines of the description, with y turned to grow upward from the box's bottom
// edge, and drawn in the preview panel of the wizard's pages.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "description/symbol_line_writer.h"
#include "platform/draw_context.h"
#include "platform/geometry.h"
#include "symbol/symbol_curves.h"
#include "symbol/symbol_line.h"
#include "symbol/symbol_pin.h"
#include "symbol/symbol_text.h"

namespace symbol {

inline constexpr std::size_t kMaxLines = 100;
inline constexpr std::size_t kMaxCircles = 20;
inline constexpr std::size_t kMaxArcs = 20;
inline constexpr std::size_t kMaxTexts = 300;
inline constexpr std::size_t kMaxPins = 300;

inline constexpr int kPanelHeight = 228;

// v rounded up to a multiple of 8.
int Up8(int v);

// The preview panel's width: room for the widest labels of the Reed-Solomon symbol on both
// sides ("RS_input [8..0]" and "RS_output [8..0]" in 8 point Arial) and the margins.
int MeasuredPanelWidth();

class SymbolModel : public description::SymbolLineWriter {
 public:
  // panelWidth measured (MeasuredPanelWidth).
  SymbolModel();
  explicit SymbolModel(int panelWidth);
  SymbolModel(const SymbolModel&) = delete;
  SymbolModel& operator=(const SymbolModel&) = delete;

  // Starts a new symbol with a box of that size, placed against the panel's right side and
  // centred vertically; every primitive is deleted.
  void Reset(int width, int height);

  // Each takes the primitive, gives it the model's origin and appends it; a full list (or no
  // primitive) refuses it and returns false, the primitive then being deleted.
  bool AddLine(std::unique_ptr<SymbolLine> line);
  bool AddCircle(std::unique_ptr<SymbolCircle> circle);
  bool AddArc(std::unique_ptr<SymbolArc> arc);
  bool AddText(std::unique_ptr<SymbolText> text);  // the first text is the box title
  bool AddPin(std::unique_ptr<SymbolPin> pin);

  // Appends the "SYMBOL:" lines: the box with the title's place, then the lines, circles,
  // arcs, the other texts and the pins, each in the order they were added.
  void WriteSymbol(std::string& out) const override;

  // The shadowed white box, its texts and outline, then the primitives, into `area` of the
  // preview panel; a shadow reaching past the area's right edge is split there.
  void DrawSymbol(platform::DrawContext& dc, const platform::Rect& area) const;

  const std::vector<std::unique_ptr<SymbolLine>>& Lines() const { return lines_; }
  const std::vector<std::unique_ptr<SymbolCircle>>& Circles() const { return circles_; }
  const std::vector<std::unique_ptr<SymbolArc>>& Arcs() const { return arcs_; }
  const std::vector<std::unique_ptr<SymbolText>>& Texts() const { return texts_; }
  const std::vector<std::unique_ptr<SymbolPin>>& Pins() const { return pins_; }

  int originX = 8;
  int originY = 8;
  int boxWidth = 0;
  int boxHeight = 0;
  int panelWidth = 0;
  int panelHeight = kPanelHeight;

 private:
  std::vector<std::unique_ptr<SymbolLine>> lines_;
  std::vector<std::unique_ptr<SymbolCircle>> circles_;
  std::vector<std::unique_ptr<SymbolArc>> arcs_;
  std::vector<std::unique_ptr<SymbolText>> texts_;
  std::vector<std::unique_ptr<SymbolPin>> pins_;
};

}  // namespace symbol
