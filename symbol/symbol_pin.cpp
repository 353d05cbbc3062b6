#include "symbol/symbol_pin.h"

#include <cstdint>
#include <string>
#include <utility>

#include "symbol/symbol_colors.h"

namespace symbol {

namespace {

constexpr int kLabelPointSize = 8;
constexpr int kBusTextPointSize = 7;
constexpr int kEdgeMarkSize = 6;
constexpr int kCrossSize = 4;
constexpr const char* kLabelFont = "Arial";

SymbolText MakeLabel(int x, int y, int dx, int dy, std::string labelText, int labelAlignment,
                     int labelAtEnd, int labelVertical, int edgeMark, const TextSizer& sizer) {
  const int gap = edgeMark != 0 && labelAtEnd == 1 ? kEdgeMarkSize : 0;
  int refX = x;
  int refY = y;
  if (labelAtEnd == 1) {
    refX = ClampToInt(std::int64_t{x} + dx + gap);
    refY = ClampToInt(std::int64_t{y} + dy);
  }
  const TextSize size = sizer(labelText, kLabelFont, kLabelPointSize);
  return SymbolText(refX, refY, std::move(labelText), kBlack, kLabelPointSize, labelAlignment,
                    labelVertical, kLabelFont, 4, 1, 0, 0, size);
}

}  // namespace

SymbolPin::SymbolPin(int x, int y, int dx, int dy, std::string labelText, std::string name,
                     int thick, int direction, int labelAlignment, int labelAtEnd,
                     int labelVertical, int edgeMark, int busWidth, int busTextX,
                     const TextSizer& sizer)
    : stub(x, y, dx, dy, kBlack, thick, 0, platform::kPenSolid),
      label(MakeLabel(x, y, dx, dy, labelText, labelAlignment, labelAtEnd, labelVertical, edgeMark,
                      sizer)),
      pinName(name.empty() ? std::move(labelText) : std::move(name)),
      direction(direction),
      edgeMark(edgeMark) {
  if (busWidth == 0) return;
  int bx = busTextX;
  if (bx == 0) {
    const int shift = busWidth < 10 ? 2 : 4;  // room for one digit or two
    bx = ClampToInt(std::int64_t{x} + dx / 2 - shift);
  }
  busMark = std::make_unique<SymbolLine>(ClampToInt(std::int64_t{bx} - 4),
                                         ClampToInt(std::int64_t{y} + 4), 8, -8, kTeal, 0, 0,
                                         platform::kPenSolid);
  if (busWidth > 0) {
    const std::string digits = std::to_string(busWidth);
    busWidthText =
        std::make_unique<SymbolText>(bx, y, digits, kTeal, kBusTextPointSize, 0, 0, kLabelFont, 1,
                                     1, 0, 0, sizer(digits, kLabelFont, kBusTextPointSize));
  }
}

void SymbolPin::SetOrigin(int x, int y) {
  SymbolPrimitive::SetOrigin(x, y);
  stub.SetOrigin(x, y);
  label.SetOrigin(x, y);
  if (busMark) busMark->SetOrigin(x, y);
  if (busWidthText) busWidthText->SetOrigin(x, y);
}

const char* SymbolPin::DirectionName() const {
  if (direction == kPinIn) return "IN";
  if (direction == kPinOut) return "OUT";
  return "BIDIR";
}

void SymbolPin::Draw(platform::DrawContext& dc) const {
  label.Draw(dc);
  stub.Draw(dc);
  if (busMark) busMark->Draw(dc);
  if (busWidthText) busWidthText->Draw(dc);

  if (edgeMark != 0) {
    const std::int64_t ex = std::int64_t{originX} + stub.x + stub.dx;
    const std::int64_t ey = std::int64_t{originY} + stub.y + stub.dy;
    const platform::Point tip = DevicePoint(ex + kEdgeMarkSize, ey);
    dc.DrawLine(DevicePoint(ex, ey - kEdgeMarkSize), tip, kBlack, 1, platform::kPenSolid);
    dc.DrawLine(tip, DevicePoint(ex, ey + kEdgeMarkSize), kBlack, 1, platform::kPenSolid);
  }

  if (HasCross()) {
    const std::int64_t sx = std::int64_t{originX} + stub.x;
    const std::int64_t sy = std::int64_t{originY} + stub.y;
    const int c = kCrossSize;
    dc.DrawLine(DevicePoint(sx - c, sy - c), DevicePoint(sx + c, sy + c), kBlue, 1,
                platform::kPenSolid);
    dc.DrawLine(DevicePoint(sx - c, sy + c), DevicePoint(sx + c, sy - c), kBlue, 1,
                platform::kPenSolid);
  }
}

}  // namespace symbol
