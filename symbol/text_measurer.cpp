#include "symbol/text_measurer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "symbol/font_metrics_table.h"
#include "symbol/make_font_description.h"

namespace symbol {

namespace {

namespace fm = font_metrics;

// value * ppem / unitsPerEm rounded half up: GDI's rounding of a scaled metric.
std::int64_t Scale(std::int64_t value, std::int64_t ppem) {
  const std::int64_t units = fm::kFace.unitsPerEm;
  return (2 * value * ppem + units) / (2 * units);
}

int ClampToPixels(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT_MAX));
}

}  // namespace

TextMeasurer::TextMeasurer(std::string_view fontName, int pointSize) {
  const platform::FontDescription font = MakeFontDescription(pointSize, 0, fontName);
  if (font.height >= 0) return;  // zero or negative point size: nothing to measure with
  ppem_ = -font.height;
  if (ppem_ >= fm::kMinPpem && ppem_ <= fm::kMaxPpem) {
    const fm::SizeMetrics& size = fm::kFace.sizes[static_cast<std::size_t>(ppem_ - fm::kMinPpem)];
    height_ = size.ascent + size.descent;
    averageWidth_ = size.averageWidth;
    tableWidths_ = size.widths.data();
    return;
  }
  // Sizes the wizard never asks for are scaled linearly from the face's own units.
  height_ = ClampToPixels(Scale(fm::kFace.winAscent, ppem_) + Scale(fm::kFace.winDescent, ppem_));
  std::int64_t sum = 0;
  for (std::uint16_t advance : fm::kFace.advanceUnits) sum += Scale(advance, ppem_);
  averageWidth_ = ClampToPixels((2 * sum + fm::kCharCount) / (2 * fm::kCharCount));
}

int TextMeasurer::CharWidth(unsigned char c) const {
  if (c < fm::kFirstChar || c > fm::kLastChar) return averageWidth_;
  const std::size_t index = static_cast<std::size_t>(c - fm::kFirstChar);
  if (tableWidths_ != nullptr) return tableWidths_[index];
  if (ppem_ == 0) return 0;
  return ClampToPixels(Scale(fm::kFace.advanceUnits[index], ppem_));
}

int TextMeasurer::Width(std::string_view text) const {
  std::int64_t width = 0;
  for (char c : text) {
    width += CharWidth(static_cast<unsigned char>(c));
    if (width >= INT_MAX) return INT_MAX;
  }
  return static_cast<int>(width);
}

TextSize MeasureText(std::string_view text, std::string_view fontName, int pointSize) {
  return TextMeasurer(fontName, pointSize).Measure(text);
}

}  // namespace symbol
