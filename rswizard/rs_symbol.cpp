#include "rswizard/rs_symbol.h"
#include "rswizard/process_settings.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>

#include "host/process_state.h"
#include "platform/text_format.h"
#include "rsblock/block_ports.h"
#include "rswizard/rs_wizard_app.h"
#include "symbol/symbol_colors.h"

namespace rswizard {

namespace {

constexpr const char* kFont = "Arial";
constexpr int kLabelPoints = 8;
constexpr int kTitlePoints = 10;
constexpr int kParameterPoints = 7;
constexpr std::size_t kLongestFittedName = 254;

// Alignments: column = value mod 3, row = value div 3.
constexpr int kCentreTop = 1;
constexpr int kLeftMiddle = 3;
constexpr int kRightMiddle = 5;
constexpr int kLeftBottom = 6;

using symbol::Up8;

int WidthOf(const symbol::TextSizer& sizer, const std::string& text, int pointSize) {
  return sizer(text, kFont, pointSize).width;
}

// Widths are a few hundred pixels at most; the sums are made wide all the same so that an odd
// measurer cannot make them wrap.
int Sum(std::int64_t a, std::int64_t b) {
  return static_cast<int>(std::clamp<std::int64_t>(a + b, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

class SymbolBuilder {
 public:
  SymbolBuilder(symbol::SymbolModel& model, const symbol::TextSizer& sizer)
      : model_(model), sizer_(sizer) {}

  void Text(int x, int y, std::string text, int pointSize, int alignment) {
    const symbol::TextSize size = sizer_(text, kFont, pointSize);
    model_.AddText(std::make_unique<symbol::SymbolText>(
        x, y, std::move(text), symbol::kTeal, pointSize, alignment, 0, kFont, 1, 1, 0, 0, size));
  }

  void BoxLine(int x, int y, int dx, int dy) {
    model_.AddLine(std::make_unique<symbol::SymbolLine>(x, y, dx, dy, symbol::kBlack, 0, 0,
                                                        platform::kPenSolid));
  }

  // The pin of a port: pointing in from the box's left edge or from its right edge (x = boxWidth).
  void Pin(const rsblock::RsPort& port, const rsblock::RsSettings& settings, int boxWidth) {
    const int bits = rsblock::PortBits(port, settings);
    const bool bus = port.width != rsblock::PortWidth::Wire;
    const std::string label = bus ? BusLabel(port.name, bits) : port.name;
    const bool left = port.side == rsblock::PinSide::Left;
    model_.AddPin(std::make_unique<symbol::SymbolPin>(
        left ? 0 : boxWidth, port.y, left ? kRsPinLength : -kRsPinLength, 0, label, label,
        bus && bits >= 2 ? 1 : 0, port.output ? symbol::kPinOut : symbol::kPinIn,
        left ? kLeftMiddle : kRightMiddle, 1, 0, 0, 0, 0, sizer_));
  }

 private:
  symbol::SymbolModel& model_;
  const symbol::TextSizer& sizer_;
};

}  // namespace

std::string BusLabel(std::string_view name, int w) {
  std::string label(name);
  if (w >= 2) label += "[" + std::to_string(w) + "..1]";
  return label;
}

std::string PolynomialText(int p) {
  const auto bits = static_cast<std::uint32_t>(p);
  // Bit 0 comes first in the walk, so the constant term can only ever start the text.
  std::string text((bits & 1u) != 0 ? "1" : "");
  for (int i = 1; i < 32; ++i) {
    if ((bits >> i & 1u) == 0) continue;
    text =
        text.empty() ? platform::Format("x^%d", i) : platform::Format("x^%d + %s", i, text.c_str());
  }
  return text;
}

std::string KindText(const rsblock::RsSettings& settings) {
  if (settings.Enc_Dec == 1) return "encoder";
  std::string text = "decoder";
  text = (settings.Disc_Stream == 1 ? "discrete " : "streaming ") + text;
  text = (settings.Fast_Small == 1 ? "full " : "half ") + text;
  return text;
}

std::string FitDesignName(const std::string& designBaseName, int maxWidth, int pointSize,
                          const std::string& fontName, const symbol::TextSizer& sizer) {
  if (designBaseName.size() > kLongestFittedName) return {};
  std::string name = designBaseName;
  if (sizer(name, fontName, pointSize).width <= maxWidth) return name;
  // The dots alone are no title: at least one character of the name stays in front of them.
  while (name.size() > 1) {
    name.pop_back();
    const std::string shortened = name + "...";
    if (sizer(shortened, fontName, pointSize).width <= maxWidth) return shortened;
  }
  return {};
}

std::string FitDesignName(const std::string& designBaseName, int maxWidth, int pointSize,
                          const std::string& fontName) {
  return FitDesignName(designBaseName, maxWidth, pointSize, fontName, symbol::MeasureText);
}

int RsBoxWidth(const RsBoxMeasures& measures) {
  const int a =
      Sum(Up8(Sum(std::max(measures.wIn, measures.wClock), 8)), Up8(Sum(measures.wOut, 8)));
  const int p = Sum(measures.polynomial, 8);
  const int t = Sum(measures.title, 8);
  const int q = Sum(measures.irrpol, 40);
  int w = Sum(std::max(a, p), 32);
  if (t > w) w = Up8(t);
  if (q > w) w = Up8(q);
  return w;
}

void BuildRsSymbol(symbol::SymbolModel& model, const rsblock::RsSettings& settings,
                   const std::string& designBaseName, const symbol::TextSizer& sizer) {
  const std::string rsinLabel = BusLabel("rsin", settings.m);
  const std::string rsoutLabel = BusLabel("rsout", settings.m);

  RsBoxMeasures measures;
  measures.wIn = WidthOf(sizer, rsinLabel, kLabelPoints);
  measures.wOut = WidthOf(sizer, rsoutLabel, kLabelPoints);
  measures.wClock = WidthOf(sizer, "clock", kLabelPoints);

  const int d = Sum(Sum(Up8(Sum(WidthOf(sizer, "RS_input [8..0]", kLabelPoints), 8)),
                        Up8(Sum(WidthOf(sizer, "RS_output [8..0]", kLabelPoints), 8))),
                    48);
  const std::string title = FitDesignName(designBaseName, Sum(d, -8), kTitlePoints, kFont, sizer);
  measures.title = WidthOf(sizer, title, kTitlePoints);

  const std::string irrpolText = platform::Format("irrpol = %d", settings.irrpol);
  const std::string polynomialText =
      platform::Format("%s", PolynomialText(settings.irrpol).c_str());
  const std::string nText = platform::Format("n = %d", settings.n);
  const std::string rText = platform::Format("r = %d", settings.check);
  const std::string genstartText = platform::Format("genstart = %d", settings.genstart);
  measures.irrpol = WidthOf(sizer, irrpolText, kParameterPoints);
  measures.polynomial = WidthOf(sizer, polynomialText, kParameterPoints);

  const int w = RsBoxWidth(measures);
  const int half = w / 2;

  model.Reset(w, kRsBoxHeight);
  SymbolBuilder build(model, sizer);
  build.Text(half, 1, title, kTitlePoints, kCentreTop);
  build.Text(half, 204, KindText(settings), kTitlePoints, kCentreTop);
  build.Text(20, 176, irrpolText, kParameterPoints, kLeftBottom);
  build.Text(20, 192, polynomialText, kParameterPoints, kLeftBottom);
  build.Text(20, 144, nText, kParameterPoints, kLeftBottom);
  build.Text(20, 160, rText, kParameterPoints, kLeftBottom);
  build.Text(20, 208, genstartText, kParameterPoints, kLeftBottom);

  const int inner = Sum(w, -32);
  build.BoxLine(16, 16, 0, 192);
  build.BoxLine(Sum(w, -16), 16, 0, 192);
  build.BoxLine(16, 16, inner, 0);
  build.BoxLine(16, 208, inner, 0);

  for (const rsblock::RsPort* port : rsblock::kRsPinsInOrder)
    if (rsblock::HasPort(*port, settings)) build.Pin(*port, settings, w);
}

void BuildRsSymbol() {
  RsWizardApp* app = CurrentRsApp();
  symbol::SymbolModel& model = app ? app->Symbol() : ProcessSymbolModel();
  BuildRsSymbol(model, Settings(), host::State().designBaseName);
}

}  // namespace rswizard
