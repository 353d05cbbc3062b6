#include "symbol/symbol_model.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "symbol/symbol_colors.h"
#include "symbol/text_measurer.h"

namespace symbol {

namespace {

using Wide = std::int64_t;

constexpr int kShadowOffset = 8;

// Lines of the written symbol, built from wide numbers so that no coordinate can overflow.
class SymbolLines {
 public:
  SymbolLines(std::string& out, int boxHeight) : out_(out), height_(boxHeight) {}

  // The written y grows upward from the box's bottom edge.
  Wide FlipY(Wide y) const { return height_ - y; }

  void Line(Wide x1, Wide y1, Wide x2, Wide y2, bool thick) {
    out_ += "SYMBOL: LINE ";
    Numbers({x1, y1, x2, y2});
    out_ += thick ? " SOLID THICK\n" : " SOLID THIN\n";
  }

  void Line(const SymbolLine& line) {
    Line(line.x, FlipY(line.y), Wide{line.x} + line.dx, FlipY(Wide{line.y} + line.dy),
         line.thick != 0);
  }

  void Text(const SymbolText& text) {
    out_ += "SYMBOL: TEXT \"";
    out_ += text.text;
    out_ += "\" ";
    Anchor(text);
    out_ += ' ';
    out_ += Direction(text);
    out_ += ' ';
    out_ += text.fontName;
    out_ += ',';
    out_ += std::to_string(text.pointSize);
    out_ += '\n';
  }

  // A horizontal cell is given by its bottom-left corner, a vertical one by the corner it
  // runs upward from.
  void Anchor(const SymbolText& text) {
    if (text.IsVertical()) {
      Numbers({text.anchorX, FlipY(text.anchorY)});
    } else {
      Numbers({text.anchorX, FlipY(Wide{text.anchorY} + text.textHeight)});
    }
  }

  static const char* Direction(const SymbolText& text) {
    return text.IsVertical() ? "VERT" : "HORIZ";
  }

  void Numbers(std::initializer_list<Wide> values) {
    bool first = true;
    for (Wide value : values) {
      if (!first) out_ += ' ';
      out_ += std::to_string(value);
      first = false;
    }
  }

 private:
  std::string& out_;
  Wide height_;
};

template <typename T, typename Container>
bool Append(Container& list, std::size_t capacity, std::unique_ptr<T> item, int originX,
            int originY) {
  if (!item || list.size() >= capacity) return false;
  item->SetOrigin(originX, originY);
  list.push_back(std::move(item));
  return true;
}

}  // namespace

int Up8(int v) {
  const Wide rounded = (Wide{v} + 7) - ((Wide{v} + 7) % 8 + 8) % 8;
  return ClampToInt(rounded);
}

int MeasuredPanelWidth() {
  const TextMeasurer measurer("Arial", 8);
  const int inputWidth = measurer.Width("RS_input [8..0]");
  const int outputWidth = measurer.Width("RS_output [8..0]");
  return ClampToInt(Wide{Up8(outputWidth + 8)} + Up8(inputWidth + 8) + 48 + 16);
}

SymbolModel::SymbolModel() : SymbolModel(MeasuredPanelWidth()) {}

SymbolModel::SymbolModel(int panelWidth) : panelWidth(panelWidth) {}

void SymbolModel::Reset(int width, int height) {
  boxWidth = width;
  boxHeight = height;
  originX = ClampToInt(Wide{panelWidth} - width - 8);
  originY = ClampToInt((Wide{panelHeight} - height) / 2);
  lines_.clear();
  circles_.clear();
  arcs_.clear();
  texts_.clear();
  pins_.clear();
}

bool SymbolModel::AddLine(std::unique_ptr<SymbolLine> line) {
  return Append(lines_, kMaxLines, std::move(line), originX, originY);
}

bool SymbolModel::AddCircle(std::unique_ptr<SymbolCircle> circle) {
  return Append(circles_, kMaxCircles, std::move(circle), originX, originY);
}

bool SymbolModel::AddArc(std::unique_ptr<SymbolArc> arc) {
  return Append(arcs_, kMaxArcs, std::move(arc), originX, originY);
}

bool SymbolModel::AddText(std::unique_ptr<SymbolText> text) {
  return Append(texts_, kMaxTexts, std::move(text), originX, originY);
}

bool SymbolModel::AddPin(std::unique_ptr<SymbolPin> pin) {
  return Append(pins_, kMaxPins, std::move(pin), originX, originY);
}

void SymbolModel::WriteSymbol(std::string& out) const {
  SymbolLines w(out, boxHeight);

  if (!texts_.empty()) {
    // The title gives the place and font of the box's name; its text is not written.
    const SymbolText& title = *texts_.front();
    out += "SYMBOL: BOX ";
    w.Numbers(
        {boxWidth, boxHeight, title.anchorX, w.FlipY(Wide{title.anchorY} + title.textHeight)});
    out += ' ';
    out += title.fontName;
    out += ',';
    out += std::to_string(title.pointSize);
    out += '\n';
  }

  for (const auto& line : lines_) w.Line(*line);

  for (const auto& circle : circles_) {
    out += "SYMBOL: CIRCLE ";
    w.Numbers({circle->x, w.FlipY(circle->y), circle->radius});
    out += " FALSE\n";
  }

  for (const auto& arc : arcs_) {
    out += "SYMBOL: ARC ";
    w.Numbers({arc->x, w.FlipY(arc->y), arc->x2, w.FlipY(arc->y2), arc->x3, w.FlipY(arc->y3),
               arc->radius});
    out += '\n';
  }

  for (std::size_t i = 1; i < texts_.size(); ++i) w.Text(*texts_[i]);

  for (const auto& pin : pins_) {
    if (pin->busMark) w.Line(*pin->busMark);
    if (pin->busWidthText) w.Text(*pin->busWidthText);

    const SymbolLine& stub = pin->stub;
    const SymbolText& label = pin->label;
    out += "SYMBOL: PINSTUB ";
    w.Numbers({stub.x, w.FlipY(stub.y)});
    out += ' ';
    out += pin->DirectionName();
    out += ' ';
    out += pin->pinName;
    out += ' ';
    w.Anchor(label);
    out += " \"";
    out += label.text;
    out += "\" ";
    out += SymbolLines::Direction(label);
    out += " Arial,8\n";  // every label is drawn in that font

    w.Line(stub);

    if (pin->edgeMark != 0) {
      // A ">" whose tip lies 6 right of the stub's end.
      const Wide ex = Wide{stub.x} + stub.dx;
      const Wide ey = w.FlipY(Wide{stub.y} + stub.dy);
      w.Line(ex, ey + 6, ex + 6, ey, false);
      w.Line(ex + 6, ey, ex, ey - 6, false);
    }
  }
}

void SymbolModel::DrawSymbol(platform::DrawContext& dc, const platform::Rect& area) const {
  const Wide ox = originX;
  const Wide oy = originY;
  const Wide w = boxWidth;
  const Wide h = boxHeight;
  const Wide right = area.right;

  dc.SetTextColor(kMediumGrey);
  const platform::Point shadowFrom = DevicePoint(ox + kShadowOffset, oy + kShadowOffset);
  const platform::Point shadowTo = DevicePoint(ox + w + kShadowOffset, oy + h + kShadowOffset);
  const platform::Point boxFrom = DevicePoint(ox, oy);
  const platform::Point boxTo = DevicePoint(ox + w, oy + h);
  const platform::Rect box{boxFrom.x, boxFrom.y, boxTo.x, boxTo.y};

  if (ox + w + kShadowOffset <= right) {
    // The checkerboard takes the background the panel's last fill left: the button face.
    dc.FillHalftone({shadowFrom.x, shadowFrom.y, shadowTo.x, shadowTo.y});
  } else {
    // Left of the edge line the shadow lies on the drawing area, right of it on the strip.
    const int split = std::clamp(area.right, shadowFrom.x, std::max(shadowFrom.x, shadowTo.x));
    const platform::Color saved = dc.BackgroundColor();
    dc.SetBackgroundColor(kPaletteIndex8);
    if (split > shadowFrom.x) dc.FillHalftone({shadowFrom.x, shadowFrom.y, split, shadowTo.y});
    dc.SetBackgroundColor(saved);
    if (shadowTo.x > split) dc.FillHalftone({split, shadowFrom.y, shadowTo.x, shadowTo.y});
    dc.DrawLine({area.right, 0}, {area.right, area.bottom}, kPaletteIndex12, 1,
                platform::kPenSolid);
  }
  dc.FillSolid(box, kWhite);

  for (const auto& text : texts_) text->Draw(dc);

  const platform::Point corners[] = {{box.left, box.top},
                                     {box.right, box.top},
                                     {box.right, box.bottom},
                                     {box.left, box.bottom},
                                     {box.left, box.top}};
  for (std::size_t i = 0; i + 1 < std::size(corners); ++i) {
    dc.DrawLine(corners[i], corners[i + 1], kTeal, 1, platform::kPenSolid);
  }

  for (const auto& circle : circles_) circle->Draw(dc);
  for (const auto& arc : arcs_) arc->Draw(dc);
  for (const auto& line : lines_) line->Draw(dc);
  for (const auto& pin : pins_) pin->Draw(dc);
}

}  // namespace symbol
